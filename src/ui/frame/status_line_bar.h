// The main window's status line: the counter panel, the tag panel and the
// hint line, which hosts the progress gauge (hidden when idle).
#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

class TStatusLine : public QStatusBar {
    Q_OBJECT
public:
    explicit TStatusLine(QWidget* parent = nullptr);

    QLabel* P_Counter;    // entry count and size of the active directory window
    QLabel* P_Tags;       // tagged count and size
    QLabel* P_Hint;       // hints, drive figures, messages
    QProgressBar* Gauge;  // inside the hint line

signals:
    void CounterClicked();
    void TagsClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
