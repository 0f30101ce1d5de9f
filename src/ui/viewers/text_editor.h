// Tf_Editor: a plain-text editor living beside the directory windows as a
// file window, with cut/copy/paste, save, save as, font, find, find next
// and replace. Saving never destroys the file: the new text replaces the
// old file only once it is written whole, with the file's line ends and
// its bytes outside UTF-8 as they were read.
#pragma once

#include <QFont>
#include <QList>
#include <cstdint>
#include <functional>
#include <string>

#include "core/platform/platform.h"
#include "ui/dirwin/mdi_file_base_window.h"

class QMenu;
class QPlainTextEdit;

class Tf_Editor : public TMDIFileBase {
    Q_OBJECT
public:
    explicit Tf_Editor(TFrameServices* frame, QWidget* parent = nullptr);

    // Loads fileName (empty: a new file). False, with the failure shown,
    // when the file cannot be read.
    bool Open(const std::string& fileName);

    // ---- TMDIFileBase
    bool QuerySave() override;
    std::string GetDirectory() override;
    int GetTaggedCount() override { return 1; }
    void WriteTaggedList(const std::string& fileName) override;
    std::string GetCurrentName() override;
    QList<TMergeMenu> MergeMenus() override;

    // ---- state
    std::string FileName;  // full name; empty for a new file
    bool Modified() const;
    std::string FindTextValue, ReplaceText;
    bool CaseSensitive = false, FromTop = true;
    bool Found = false;  // the last search found something: Find Next is enabled
    bool Quiet = false;  // a miss beeps instead of telling

    // ---- controls
    QPlainTextEdit* Memo;
    QMenu *EditMenu, *SearchMenu, *AppMenu, *PopupMenu;
    QAction *CutItem, *CopyItem, *PasteItem, *SelectAllItem, *SaveItem, *SaveAsItem, *FontItem;
    QAction *FindItem, *FindNextItem, *ReplaceItem;
    QList<QAction*> AppItems;  // A1 .. A9
    QAction* AppMore;

    // ---- operations, public so that tests can drive them
    // Answers whether the text was written (the modified flag then clears);
    // false when abandoned or failed (the failure was shown unless quiet).
    bool Save();
    bool SaveAs();
    // Asks for a name to save under (Windows form); false when cancelled.
    std::function<bool(std::string& name)> AskSaveName;
    void Find();
    void SearchWithFindState();
    void FindNext();
    void Replace();
    // The replace loop with the given texts and choices.
    void ReplaceAll(const std::string& find, const std::string& replacement, bool caseSensitive, bool fromTop);
    // One search from the top or after the selection's start; selects the hit.
    bool Search();
    void ChooseFont();
    void UpdateMenus();

    static constexpr int kEditGroup = 12, kSearchGroup = 21, kAppGroup = 32;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Writes the text to name; shows the failure (closing: "Error saving
    // file!") and answers false when it fails.
    bool WriteTo(const std::string& name);
    bool ChangedOnDisk() const;
    void RememberStamp();
    void SetCaption();
    void BuildMenus();
    // Asks to save a modified text: true when the window may go.
    bool AskToSave();
    void ReplaceRestAtOnce(int position);

    bool crLf_ = false;
    bool windows1252_ = false;
    bool closing_ = false;
    int searchFrom_ = -1;  // a replacement leaves the next search at its end
    int64_t loadedSize_ = -1;
    plat::FileTime loadedTime_;
};

// The editor already open on fileName (names compared without regard to case), or nullptr.
Tf_Editor* FindEditorOn(const QList<QMdiSubWindow*>& children, const std::string& fileName);
