#pragma once

#include <QObject>
#include <QPointer>

class LibraryWindow;
class QAction;
class QWidget;

// How the main window reaches the library window, which has no control in
// the main window's fixed layout: Ctrl+L over the main window and "Library"
// in the file list's context menu. The window is made when first opened and
// closes with the main window.
class LibraryOpening : public QObject
{
    Q_OBJECT

public:
    LibraryOpening(QWidget *mainWindow, QWidget *fileList);
    ~LibraryOpening() override;

    // The library window; null until it was first opened.
    LibraryWindow *Window() const;
    // Shows the library window, made on first use, and brings it to the front.
    void Open();
    // Where the library is, in one line: said over the file list.
    static QString WhereText();
    void SayWhere();

signals:
    // The library window was just made: the store is wired to it here.
    void WindowMade(LibraryWindow *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *mainWindow_;
    QWidget *fileList_;
    QPointer<LibraryWindow> window_;
};
