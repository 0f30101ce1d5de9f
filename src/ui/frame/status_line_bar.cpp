#include "ui/frame/status_line_bar.h"

#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>

namespace {

QLabel* Panel(QWidget* parent, const char* name, int width, const char* hint) {
    auto* p = new QLabel(parent);
    p->setObjectName(name);
    p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    p->setIndent(2);
    if (width > 0) p->setFixedWidth(width);
    if (hint) {
        p->setToolTip(hint);
        p->setStatusTip(hint);
    }
    return p;
}

}  // namespace

TStatusLine::TStatusLine(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusLine");
    setFixedHeight(25);
    setSizeGripEnabled(false);

    P_Counter = Panel(this, "P_Counter", 95, "Refresh Current Directory");
    P_Tags = Panel(this, "P_Tags", 104, "Reverse Tagged files");
    P_Hint = Panel(this, "P_Hint", 0, nullptr);
    QFont hintFont("Times New Roman");
    hintFont.setPixelSize(13);
    P_Hint->setFont(hintFont);
    P_Hint->setMinimumWidth(40);
    P_Counter->installEventFilter(this);
    P_Tags->installEventFilter(this);
    addWidget(P_Counter);
    addWidget(P_Tags);
    addWidget(P_Hint, 1);

    Gauge = new QProgressBar(P_Hint);
    Gauge->setObjectName("Gauge");
    Gauge->setTextVisible(false);
    Gauge->setStyleSheet(
        "QProgressBar { border: 1px solid gray; background: white; }"
        "QProgressBar::chunk { background: rgb(0, 160, 0); }");
    Gauge->hide();
}

bool TStatusLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == P_Counter) emit CounterClicked();
        if (watched == P_Tags) emit TagsClicked();
    }
    return QStatusBar::eventFilter(watched, event);
}
