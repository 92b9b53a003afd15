#include "StartFailureBox.h"

#include "platform/Translations.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace {

QLabel *TextLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
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

    Summary = TextLabel(Translated(failure.summaryWording), this);
    grid->addWidget(Summary, 0, 1);
    // A command is read as it is: never broken inside a switch or a path.
    Command = new QLineEdit(QString::fromStdString(failure.command), this);
    Command->setReadOnly(true);
    Command->setCursorPosition(0);
    Command->setAccessibleName(tr("Command"));
    grid->addWidget(Command, 1, 1);
    Advice = TextLabel(Translated(failure.adviceWording), this);
    Advice->setVisible(!failure.adviceWording.Empty());
    grid->addWidget(Advice, 2, 1);
    grid->setColumnStretch(1, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    if (failure.programMissing) {
        QPushButton *find = buttons->addButton(tr("Find vexa…"), QDialogButtonBox::ActionRole);
        connect(find, &QPushButton::clicked, this, [this] {
            accept();
            emit FindProgram();
        });
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    grid->addWidget(buttons, 3, 0, 1, 2);
    // The reason wraps at a readable width; the command line widens the box
    // up to the screen's width, and scrolls beyond it.
    const QScreen *screen = parent ? parent->screen() : this->screen();
    const int margins = grid->contentsMargins().left() + grid->contentsMargins().right() + grid->horizontalSpacing()
                        + side + 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int widest = std::max(360, screen->availableGeometry().width() * 9 / 10 - margins);
    const int commandWidth = Command->fontMetrics().horizontalAdvance(Command->text()) + 16;
    Summary->setMinimumWidth(360);
    for (QWidget *text : {static_cast<QWidget *>(Summary), static_cast<QWidget *>(Advice), static_cast<QWidget *>(Command)})
        text->setMaximumWidth(widest);
    Command->setMinimumWidth(std::clamp(commandWidth, 360, widest));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}
