#include "StartFailureBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

QLabel *TextLabel(const std::string &text, QWidget *parent)
{
    auto *label = new QLabel(QString::fromStdString(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

StartFailureBox::StartFailureBox(const StartFailure &failure, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Vexa"));
    auto *grid = new QGridLayout(this);
    auto *icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(side, side));
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);

    Summary = TextLabel(failure.summary, this);
    grid->addWidget(Summary, 0, 1);
    Command = TextLabel(failure.command, this);
    // A command is read as it is: never broken inside a switch or a path.
    Command->setWordWrap(false);
    Command->setAccessibleName(QStringLiteral("Command"));
    grid->addWidget(Command, 1, 1);
    Advice = TextLabel(failure.advice, this);
    Advice->setVisible(!failure.advice.empty());
    grid->addWidget(Advice, 2, 1);
    grid->setColumnStretch(1, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    if (failure.programMissing) {
        QPushButton *find = buttons->addButton(QStringLiteral("Find vexa…"), QDialogButtonBox::ActionRole);
        connect(find, &QPushButton::clicked, this, [this] {
            accept();
            emit FindProgram();
        });
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    grid->addWidget(buttons, 3, 0, 1, 2);
    // The reason wraps at a readable width; the command line sets the least width.
    Summary->setMinimumWidth(360);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}
