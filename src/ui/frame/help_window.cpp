#include "ui/frame/help_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "core/platform/platform.h"
#include "core/seams/prompter.h"
#include "core/text/help_text.h"

namespace {

QPointer<THelpWindow> helpWindow;

QString Escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

QString TopicLink(int topic, const std::string& title) {
    return QStringLiteral("<a href=\"topic:%1\">%2</a>").arg(topic).arg(Escaped(title));
}

// The blocks as HTML: items in runs of lists, links by the linked topic's
// title (a topic the file lacks is named by its number, still a link that
// says it is missing when followed).
QString TopicHtml(const std::vector<THelpBlock>& blocks) {
    std::map<int, std::string> titles;
    for (const plat::HelpTopicTitle& t : plat::HelpTopicTitles()) titles.emplace(t.topic, t.title);
    QString html;
    bool inList = false;
    for (const THelpBlock& block : blocks) {
        QString inner;
        for (const THelpSpan& span : block.Spans) {
            if (!span.Link) {
                inner += Escaped(span.Text);
                continue;
            }
            auto found = titles.find(span.Link);
            inner += TopicLink(span.Link, found != titles.end() ? found->second
                                                                : "topic " + std::to_string(span.Link));
        }
        const bool item = block.Type == THelpBlock::Kind::Item;
        if (item && !inList) html += "<ul>";
        if (!item && inList) html += "</ul>";
        inList = item;
        if (item)
            html += "<li>" + inner + "</li>";
        else if (block.Type == THelpBlock::Kind::Heading)
            html += "<h4>" + inner + "</h4>";
        else
            html += "<p>" + inner + "</p>";
    }
    if (inList) html += "</ul>";
    return html;
}

}  // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    ContentsBtn = new QPushButton("&Contents", this);
    ContentsBtn->setObjectName("ContentsBtn");
    IndexBtn = new QPushButton("&Index", this);
    IndexBtn->setObjectName("IndexBtn");
    BackBtn = new QPushButton("&Back", this);
    BackBtn->setObjectName("BackBtn");
    BackBtn->setEnabled(false);
    Title = new QLabel(this);
    Title->setObjectName("HelpTitle");
    QFont big = Title->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 2);
    Title->setFont(big);
    Text = new QTextBrowser(this);
    Text->setObjectName("HelpText");
    // Links name topics of the help file; the window follows them itself.
    Text->setOpenLinks(false);
    connect(Text, &QTextBrowser::anchorClicked, this, &THelpWindow::FollowLink);
    connect(ContentsBtn, &QPushButton::clicked, this, [this] { ShowTopic(kContentsTopic, parentWidget()); });
    connect(IndexBtn, &QPushButton::clicked, this, [this] {
        if (Topic != 0) Remember();
        ShowIndex();
    });
    connect(BackBtn, &QPushButton::clicked, this, &THelpWindow::GoBack);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ContentsBtn);
    buttons->addWidget(IndexBtn);
    buttons->addWidget(BackBtn);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Title);
    layout->addWidget(Text, 1);
    resize(520, 460);
}

THelpWindow* THelpWindow::Instance() { return helpWindow; }

bool THelpWindow::ShowTopic(int topic, QWidget* parent) {
    if (!plat::HelpTopic(topic)) {
        prompter().Message("Help topic " + std::to_string(topic) + " is not in the help file " +
                               plat::HelpFile() + ".",
                           MsgIcon::Information, mbOK, "Help");
        return false;
    }
    // Help asked for from a modal dialog belongs to that dialog: a window
    // outside it would take no clicks while the dialog is open.
    QWidget* owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : parent;
    if (!helpWindow) {
        helpWindow = new THelpWindow(owner);
        helpWindow->PlaceBesideWork();
    } else {
        if (helpWindow->parentWidget() != owner) helpWindow->setParent(owner, helpWindow->windowFlags());
        if (helpWindow->Topic != topic) helpWindow->Remember();
    }
    helpWindow->Load(topic);
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
    return true;
}

void THelpWindow::PlaceBesideWork() {
    // At the right edge of the screen, where it covers least of the dialogs
    // it explains, which open in the middle.
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    move(std::max(free.left(), free.right() - width() - 16), free.top() + std::max(0, (free.height() - height()) / 2));
}

bool THelpWindow::Load(int topic) {
    std::string title;
    std::optional<std::string> text = plat::HelpTopic(topic, &title);
    if (!text) return false;
    Topic = topic;
    setWindowTitle("Quilby Help - " + QString::fromStdString(title));
    Title->setText(QString::fromStdString(title));
    Text->setHtml(TopicHtml(ParseHelpText(*text)));
    return true;
}

void THelpWindow::ShowIndex() {
    Topic = 0;
    setWindowTitle("Quilby Help - Index");
    Title->setText("Index");
    QString html = "<p>Choose a topic:</p><ul>";
    for (const plat::HelpTopicTitle& t : HelpIndex(plat::HelpTopicTitles()))
        html += "<li>" + TopicLink(t.topic, t.title) + "</li>";
    Text->setHtml(html + "</ul>");
}

void THelpWindow::Remember() {
    history_.push_back(Topic);
    BackBtn->setEnabled(true);
}

void THelpWindow::GoBack() {
    if (history_.empty()) return;
    const int page = history_.back();
    history_.pop_back();
    BackBtn->setEnabled(!history_.empty());
    if (page == 0 || !Load(page)) ShowIndex();
}

void THelpWindow::FollowLink(const QUrl& url) {
    if (url.scheme() == "topic") ShowTopic(url.path().toInt(), parentWidget());
}
