// "Window List": every child window's caption in child order; a double
// click (or Enter) on a line closes the dialog with that line's index.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

class TWindowListDialog : public QDialog {
    Q_OBJECT
public:
    TWindowListDialog(const QStringList& captions, int preselect, QWidget* parent = nullptr);

    QListWidget* WindowList;
    // The chosen line, -1 when the dialog was closed otherwise.
    int Result() const { return result_; }
    void Choose(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int result_ = -1;
};
