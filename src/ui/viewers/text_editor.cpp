#include "ui/apps/app_menu_qt.h"
#include "ui/viewers/text_editor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QClipboard>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QFontDialog>

#include "core/platform/file_replace.h"
#include "core/search/byte_search.h"
#include "core/seams/prompter.h"
#include "core/viewers/text_editor_file.h"
#include "ui/dirwin/frame_services.h"
#include "ui/frame/display_settings.h"
#include "ui/viewers/find_replace_dialog.h"
#include "ui/viewers/find_text_dialog.h"
#include "ui/viewers/text_viewer_font.h"

namespace {

// The whole text as typed: paragraph ends as LF, non-breaking spaces kept.
std::string TextOf(const QPlainTextEdit& memo) {
    QString raw = memo.document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return raw.toStdString();
}

// The file's bytes; FileError::None on success.
plat::FileError ReadWhole(const std::string& name, std::string& bytes, int64_t& size, plat::FileTime& time) {
    plat::File f;
    if (plat::FileError e = plat::OpenFile(name, plat::OpenMode::Read, f); e != plat::FileError::None) return e;
    if (plat::FileError e = plat::FileStampOf(f, size, time); e != plat::FileError::None) return e;
    bytes.clear();
    char buffer[1 << 16];
    for (;;) {
        size_t got = 0;
        if (plat::FileError e = plat::ReadFile(f, buffer, sizeof buffer, got); e != plat::FileError::None) return e;
        if (got == 0) break;
        bytes.append(buffer, got);
    }
    return plat::CloseFile(f);
}

std::string NameOnly(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The save dialog over the host's files, preset to the current name.
bool AskSaveNameOnHost(QWidget* parent, std::string& name) {
    const auto host = plat::ToHost(name.empty() ? plat::GetCurrentDir() : name);
    const QString chosen = QFileDialog::getSaveFileName(parent, "Save As", QString::fromStdString(host ? *host : ""),
                                                        "Text Files (*.TXT);;All files (*.*)");
    if (chosen.isEmpty()) return false;
    const auto win = plat::FromHost(chosen.toStdString());
    if (!win) return false;
    name = *win;
    return true;
}

}  // namespace

Tf_Editor::Tf_Editor(TFrameServices* frame, QWidget* parent) : TMDIFileBase(frame, parent) {
    setObjectName("f_Editor");
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName("Memo");
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setContextMenuPolicy(Qt::CustomContextMenu);
    setWidget(Memo);
    const QFont fallback = frame ? frame->Display().ListFont : QFont("Monospace", 10);
    Memo->setFont(ReadViewerFont("Editor", "Font:", fallback));
    BuildMenus();
    Memo->installEventFilter(this);
    connect(Memo, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        UpdateMenus();
        PopupMenu->exec(Memo->mapToGlobal(at));
    });
    AskSaveName = [this](std::string& name) { return AskSaveNameOnHost(this, name); };
    resize(640, 420);
}

void Tf_Editor::BuildMenus() {
    auto item = [this](QMenu* menu, const char* name, const char* text, QKeySequence keys = {}) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        if (!keys.isEmpty()) {
            a->setShortcut(keys);
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            addAction(a);
        }
        return a;
    };
    EditMenu = new QMenu("&Edit", this);
    CutItem = item(EditMenu, "CutItem", "cu&T");
    CopyItem = item(EditMenu, "CopyItem", "&Copy");
    PasteItem = item(EditMenu, "PasteItem", "&Paste");
    SelectAllItem = item(EditMenu, "SelectAllItem", "S&elect all");
    EditMenu->addSeparator();
    SaveItem = item(EditMenu, "SaveItem", "&Save");
    SaveAsItem = item(EditMenu, "SaveAsItem", "Save &As ...");
    EditMenu->addSeparator();
    FontItem = item(EditMenu, "FontItem", "&Font ...");
    SearchMenu = new QMenu("&Search", this);
    FindItem = item(SearchMenu, "FindItem", "&Find ...", QKeySequence(Qt::Key_F3));
    FindNextItem = item(SearchMenu, "FindNextItem", "Find &Next", QKeySequence(Qt::CTRL | Qt::Key_F3));
    ReplaceItem = item(SearchMenu, "ReplaceItem", "&Replace ...", QKeySequence(Qt::CTRL | Qt::Key_R));
    AppMenu = new QMenu("&Applications", this);
    const TAppMenuItems apps = AddApplicationItems(AppMenu, *this);
    AppItems = apps.Items;
    AppMore = apps.More;

    PopupMenu = new QMenu(this);
    for (QAction* a : {CutItem, CopyItem, PasteItem, SelectAllItem}) PopupMenu->addAction(a);
    PopupMenu->addSeparator();
    for (QAction* a : {SaveItem, SaveAsItem, FontItem}) PopupMenu->addAction(a);
    PopupMenu->addSeparator();
    for (QAction* a : {FindItem, FindNextItem, ReplaceItem}) PopupMenu->addAction(a);
    PopupMenu->addMenu(AppMenu);

    connect(CutItem, &QAction::triggered, Memo, &QPlainTextEdit::cut);
    connect(CopyItem, &QAction::triggered, Memo, &QPlainTextEdit::copy);
    connect(PasteItem, &QAction::triggered, Memo, &QPlainTextEdit::paste);
    connect(SelectAllItem, &QAction::triggered, Memo, &QPlainTextEdit::selectAll);
    connect(SaveItem, &QAction::triggered, this, [this] { Save(); });
    connect(SaveAsItem, &QAction::triggered, this, [this] { SaveAs(); });
    connect(FontItem, &QAction::triggered, this, &Tf_Editor::ChooseFont);
    connect(FindItem, &QAction::triggered, this, &Tf_Editor::Find);
    connect(FindNextItem, &QAction::triggered, this, &Tf_Editor::FindNext);
    connect(ReplaceItem, &QAction::triggered, this, &Tf_Editor::Replace);
    connect(EditMenu, &QMenu::aboutToShow, this, &Tf_Editor::UpdateMenus);
    connect(SearchMenu, &QMenu::aboutToShow, this, &Tf_Editor::UpdateMenus);
    connect(Memo, &QPlainTextEdit::selectionChanged, this, &Tf_Editor::UpdateMenus);
    connect(Memo, &QPlainTextEdit::modificationChanged, this, &Tf_Editor::UpdateMenus);
    UpdateMenus();
}

void Tf_Editor::UpdateMenus() {
    const bool selected = Memo->textCursor().hasSelection();
    SaveItem->setEnabled(Modified() && !FileName.empty());
    CutItem->setEnabled(selected);
    CopyItem->setEnabled(selected);
    PasteItem->setEnabled(!QApplication::clipboard()->text().isEmpty());
    FindNextItem->setEnabled(Found);
}

bool Tf_Editor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Memo && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease))
        UpdateMenus();
    return TMDIFileBase::eventFilter(watched, event);
}

QList<TMergeMenu> Tf_Editor::MergeMenus() {
    return {{kEditGroup, EditMenu}, {kSearchGroup, SearchMenu}, {kAppGroup, AppMenu}};
}

bool Tf_Editor::Modified() const { return Memo->document()->isModified(); }

void Tf_Editor::SetCaption() {
    setWindowTitle(QString::fromStdString("Editor: " + (FileName.empty() ? std::string("New File") : FileName)));
}

// ---------------------------------------------------------------- load and save

bool Tf_Editor::Open(const std::string& fileName) {
    FileName = fileName;
    Found = false;
    Quiet = false;
    if (!fileName.empty()) {
        std::string bytes;
        if (plat::FileError e = ReadWhole(fileName, bytes, loadedSize_, loadedTime_); e != plat::FileError::None) {
            ShowError(plat::ErrorText(e) + ": " + fileName);
            return false;
        }
        TEditedText edited = DecodeForEditing(bytes);
        crLf_ = edited.CrLf;
        windows1252_ = edited.Windows1252;
        Memo->setPlainText(QString::fromStdString(edited.Text));
    }
    Memo->document()->setModified(false);
    SetCaption();
    UpdateMenus();
    return true;
}

void Tf_Editor::RememberStamp() {
    plat::File f;
    loadedSize_ = -1;
    if (plat::OpenFile(FileName, plat::OpenMode::Read, f) == plat::FileError::None &&
        plat::FileStampOf(f, loadedSize_, loadedTime_) != plat::FileError::None)
        loadedSize_ = -1;
}

bool Tf_Editor::ChangedOnDisk() const {
    if (loadedSize_ < 0) return false;
    plat::File f;
    int64_t size = -1;
    plat::FileTime time;
    if (plat::OpenFile(FileName, plat::OpenMode::Read, f) != plat::FileError::None ||
        plat::FileStampOf(f, size, time) != plat::FileError::None)
        return false;  // gone: saving makes it again
    return size != loadedSize_ || !(time == loadedTime_);
}

bool Tf_Editor::WriteTo(const std::string& name) {
    const std::string bytes = EncodeForSaving(TextOf(*Memo), crLf_, windows1252_);
    const plat::FileError e = plat::ReplaceFileContents(name, bytes);
    if (e == plat::FileError::None) return true;
    if (closing_) ShowMessage("Error saving file!");
    else ShowError(plat::ErrorText(e) + ": " + name);
    return false;
}

bool Tf_Editor::Save() {
    if (FileName.empty()) return SaveAs();
    if (ChangedOnDisk() &&
        prompter().Message("File: " + FileName + "\nHas been changed on disk. Do you want to overwrite it?",
                           MsgIcon::Warning, mbYesNo) != MsgResult::Yes)
        return false;
    if (!WriteTo(FileName)) return false;
    Memo->document()->setModified(false);
    RememberStamp();
    return true;
}

bool Tf_Editor::SaveAs() {
    std::string name = FileName;
    if (!AskSaveName || !AskSaveName(name)) return false;
    if (!WriteTo(name)) return false;
    FileName = name;
    SetCaption();
    Memo->document()->setModified(false);
    RememberStamp();
    return true;
}

bool Tf_Editor::AskToSave() {
    if (!Modified()) return true;
    switch (prompter().Message("File: " + FileName + "\nHas been modified. Do you want to save?", MsgIcon::Warning,
                               mbYesNoCancel)) {
    case MsgResult::No: return true;
    case MsgResult::Yes: {
        closing_ = true;
        const bool saved = Save();
        closing_ = false;
        // A save that failed or was abandoned keeps the window and its text.
        return saved;
    }
    default: return false;
    }
}

bool Tf_Editor::QuerySave() { return AskToSave(); }

// ---------------------------------------------------------------- file window

std::string Tf_Editor::GetDirectory() {
    const size_t slash = FileName.rfind('\\');
    return slash == std::string::npos ? std::string() : FileName.substr(0, slash + 1);
}

std::string Tf_Editor::GetCurrentName() { return NameOnly(FileName); }

void Tf_Editor::WriteTaggedList(const std::string& fileName) {
    plat::File f;
    if (plat::OpenFile(fileName, plat::OpenMode::CreateTruncate, f) != plat::FileError::None) return;
    const std::string line = FileName + "\r\n";
    size_t written = 0;
    plat::WriteFile(f, line.data(), line.size(), written);
    plat::CloseFile(f);
}

// ---------------------------------------------------------------- search and replace

bool Tf_Editor::Search() {
    const QString text = Memo->toPlainText();
    const QTextCursor cursor = Memo->textCursor();
    int start = FromTop ? 0 : searchFrom_ >= 0 ? searchFrom_ : cursor.selectionStart() + 1;
    searchFrom_ = -1;
    const std::string pattern(CutSearchString(FindTextValue));
    int64_t hit = -1;
    QByteArray bytes;
    qsizetype byteStart = 0;
    if (start <= text.size() && !pattern.empty()) {
        bytes = text.toUtf8();
        byteStart = text.left(start).toUtf8().size();
        hit = BlockSearch(pattern, CaseSensitive, bytes.constData() + byteStart,
                          static_cast<size_t>(bytes.size() - byteStart));
    }
    if (hit < 0) {
        if (Quiet) QApplication::beep();
        else ShowMessage("String :" + FindTextValue + ": not found!");
        Found = false;
        UpdateMenus();
        return false;
    }
    const int at = static_cast<int>(QString::fromUtf8(bytes.constData(), byteStart + hit).size());
    const int length = static_cast<int>(QString::fromStdString(pattern).size());
    QTextCursor select(Memo->document());
    select.setPosition(at);
    select.setPosition(at + length, QTextCursor::KeepAnchor);
    Memo->setTextCursor(select);
    Memo->ensureCursorVisible();
    UpdateMenus();
    return true;
}

void Tf_Editor::Find() {
    if (!Frame() || !FindText(Frame()->FindState(), this)) return;
    SearchWithFindState();
}

void Tf_Editor::SearchWithFindState() {
    if (!Frame() || !Frame()->FindState().Ok) return;
    const TFindState& state = Frame()->FindState();
    FindTextValue = state.Text;
    CaseSensitive = state.CaseSensitive;
    FromTop = state.FromTop;
    Found = true;
    Quiet = false;
    Search();
}

void Tf_Editor::FindNext() {
    if (!Found) return;
    Quiet = true;
    FromTop = false;
    Search();
}

void Tf_Editor::Replace() {
    TFindReplaceDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    ReplaceAll(dialog.CB_Text->currentText().toStdString(), dialog.CB_Replace->currentText().toStdString(),
               dialog.CB_Case->isChecked(), dialog.CB_Top->isChecked());
}

void Tf_Editor::ReplaceAll(const std::string& find, const std::string& replacement, bool caseSensitive,
                           bool fromTop) {
    FindTextValue = find;
    ReplaceText = replacement;
    CaseSensitive = caseSensitive;
    FromTop = fromTop;
    Found = true;
    Quiet = false;
    bool prompting = true;
    while (Search()) {
        MsgResult answer = MsgResult::All;
        if (prompting) {
            answer = prompter().Message("Do you want to replace this occurance?", MsgIcon::Question,
                                        mbYes | mbNo | mbCancel | mbAll);
            if (answer == MsgResult::Cancel) break;
            if (answer == MsgResult::All) prompting = false;
        }
        if (answer == MsgResult::Yes || answer == MsgResult::All) {
            QTextCursor cursor = Memo->textCursor();
            cursor.insertText(QString::fromStdString(replacement));
            Memo->setTextCursor(cursor);
            // Go on right after the inserted text: nothing after it is skipped.
            searchFrom_ = cursor.position();
        }
        if (!prompting) {
            ReplaceRestAtOnce(searchFrom_);
            break;
        }
        Quiet = true;
        FromTop = false;
    }
    UpdateMenus();
}

// Every occurrence from position on in one pass and one edit: asking for
// each one is over, and searching the whole text again for each would make
// a large file take minutes.
void Tf_Editor::ReplaceRestAtOnce(int position) {
    searchFrom_ = -1;
    QString tail = Memo->document()->toRawText().mid(position);
    tail.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    const std::string bytes = tail.toStdString();
    const std::string pattern(CutSearchString(FindTextValue));
    std::string out;
    size_t at = 0;
    bool any = false;
    for (int64_t hit; !pattern.empty() &&
                      (hit = BlockSearch(pattern, CaseSensitive, bytes.data() + at, bytes.size() - at)) >= 0;) {
        out.append(bytes, at, static_cast<size_t>(hit));
        out += ReplaceText;
        at += static_cast<size_t>(hit) + pattern.size();
        any = true;
    }
    if (any) {
        out.append(bytes, at, std::string::npos);
        QTextCursor cursor(Memo->document());
        cursor.setPosition(position);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.insertText(QString::fromStdString(out));
        Memo->setTextCursor(cursor);
    }
    // The loop ends as after a quiet miss.
    QApplication::beep();
    Found = false;
}

void Tf_Editor::ChooseFont() {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, Memo->font(), this);
    if (!ok) return;
    Memo->setFont(font);
    WriteViewerFont("Editor", "Font:", font);
}

Tf_Editor* FindEditorOn(const QList<QMdiSubWindow*>& children, const std::string& fileName) {
    // The same file is the same host file: names that differ only in case
    // may name one file (resolved without regard to case) or two (twins).
    auto hostOf = [](const std::string& name) { return plat::ToHost(name).value_or(plat::UpperCase(name)); };
    const std::string wanted = hostOf(fileName);
    for (QMdiSubWindow* child : children)
        if (auto* editor = qobject_cast<Tf_Editor*>(child))
            if (!editor->FileName.empty() && hostOf(editor->FileName) == wanted) return editor;
    return nullptr;
}
