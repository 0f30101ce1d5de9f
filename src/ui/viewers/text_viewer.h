// TFVAscii, the text viewer: shows a text file of any size read-only in a
// document window. It never loads the file: one walk counts the lines and
// remembers where every 128th line starts, and each screen is drawn by
// repositioning the record reader. Scrolling by keys and scroll bars, a
// font of its own and a text search shared with the other viewers.
#pragma once

#include <QFont>
#include <QMdiSubWindow>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>

#include "core/viewers/record_reader.h"
#include "core/viewers/text_viewer_index.h"

class QAction;
class QMenu;
class QMenuBar;
class QScrollBar;
class TFrameServices;
class TFVAscii;

// The text area: paints the rows and hands every key to the viewer.
class TAsciiPane : public QWidget {
    Q_OBJECT
public:
    explicit TAsciiPane(TFVAscii& viewer);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }  // Tab is a key like any other

private:
    TFVAscii& viewer_;
};

class TFVAscii : public QMdiSubWindow {
    Q_OBJECT
public:
    static constexpr int kRecordSize = 4096, kBufferSize = 15000;
    static constexpr int64_t kGaugeFrom = 30000;  // files larger show the gauge while indexing
    static constexpr int kHelpContext = 9007;

    // frame: status panels, search state and help (none in a bare test).
    explicit TFVAscii(TFrameServices* frame, QWidget* parent = nullptr);
    ~TFVAscii() override;

    // Indexes the file and shows its first screen. On failure: "Error
    // reading file: " + fileName, the window closes, false.
    bool OpenFile(const std::string& fileName);

    // ---- state
    bool Closing = false;
    std::string FileName;  // upper-cased
    int64_t LineCount = 0;
    int FirstColumn = 1;
    int LinesPerScreen = 0;
    int64_t TopLine = 1;
    int64_t LastTopLine = 1;
    int64_t ScrollScale = 1;
    bool SuppressPaint = false;
    bool FindAgainEnabled = false;
    std::string FindTextValue;  // the last search text
    bool CaseSensitive = false;
    QFont ViewerFont;

    // ---- controls
    QMenuBar* MenuBar;
    QMenu* EditMenu;
    QAction* FontItem;       // "&Font ..."
    QMenu* SearchMenu;
    QAction* FindItem;       // "&Find" F3
    QAction* FindAgainItem;  // "Find &Again" Ctrl+F3
    QMenu* PopupMenu;        // the same items and "C&lose"
    QAction* CloseItem;
    TAsciiPane* Pane;
    QScrollBar* VScroll;
    QScrollBar* HScroll;

    // ---- operations, public so that tests can drive them
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // "&Find": the Find Text dialog, then the search.
    void Find();
    // The search with the frame's search state, as after the dialog's OK.
    void SearchWithFindState();
    void FindAgain();
    void ChooseFont();
    void ApplyFont(const QFont& font);
    // The rows painted from the top line, from the first column on: the
    // lines, then "*** EOF ***" on the first row after the end.
    QStringList ScreenRows();
    // Writes "P: " and "Lines: " into the frame's panels.
    void UpdateStatus();
    bool Loading() const { return loading_; }
    // Ends a running load (Escape); the lines counted so far stay viewable.
    void StopLoading() { stopLoading_ = true; }
    const TLineIndex& Index() const { return index_; }

    void PaintRows(QPainter& painter);
    void PaneResized();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool IndexFile();
    void SetUpVerticalBar();
    void VerticalBarMoved(int position);
    void HorizontalBarMoved(int position);
    // Top line t, the vertical bar moved without a repaint of its own.
    void ShowTopLine(int64_t t);
    void SearchFrom(int64_t line);
    void RecomputeLinesPerScreen();
    int TextHeight() const;
    void UpdateFindAgain();
    bool IsActiveChild() const;

    TFrameServices* frame_;
    std::unique_ptr<TQTFile> reader_;
    TLineIndex index_;
    bool loading_ = false;
    bool stopLoading_ = false;
};
