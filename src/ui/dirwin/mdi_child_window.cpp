#include "ui/dirwin/mdi_child_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QStandardItemModel>
#include <QWidget>

#include "core/text/column_text.h"
#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "core/seams/progress.h"
#include "ui/dirwin/column_header.h"
#include "ui/dirwin/frame_services.h"
#include "ui/frame/display_settings.h"
#include "core/seams/prompter.h"
#include "core/settings/startup.h"

namespace {

constexpr int kShellSuccess = 32;  // results above this are success
constexpr int kNoAssociation = 31;
constexpr int kCellGap = 2;  // pixels kept free at the right of a cell

QString Shown(const std::string& text) { return QString::fromStdString(ShownText(text)); }

}  // namespace

// ---------------------------------------------------------------- columns

void TMDIChild::FormatShortName(std::string& name, int maxLength) {
    name = ShortName12(name);
    if (maxLength >= 0 && name.size() > static_cast<size_t>(maxLength)) name.resize(maxLength);
}

std::string TMDIChild::GetColumnText(int index, char column) {
    if (index < 0 || index >= FileList.GetListCount()) return {};
    return ColumnText(FileList.Entry(index), column, Options);
}

int TMDIChild::CharWidth() const { return QFontMetrics(font()).horizontalAdvance('A'); }

void TMDIChild::BuildHeader(QHeaderView* header, const std::string& section, bool resultWindow) {
    if (resultWindow) Options.SplitExe = false;
    // A rebuild is no resize by the user.
    const QSignalBlocker quiet(header);
    const std::vector<TColumn> columns = HeaderColumns(Options, resultWindow);
    auto* model = qobject_cast<QStandardItemModel*>(header->model());
    if (!model) {
        model = new QStandardItemModel(header);
        header->setModel(model);
    }
    QStringList captions;
    std::string letters;
    for (const TColumn& c : columns) {
        captions << QString::fromStdString(c.Caption);
        letters += c.Letter;
    }
    model->clear();
    model->setColumnCount(static_cast<int>(columns.size()));
    model->setHorizontalHeaderLabels(captions);
    const int unit = CharWidth();
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        const int width = AppIni().ReadInteger(section, columns[i].Caption, columns[i].DefaultChars * unit);
        header->resizeSection(i, std::max(0, width));
    }
    if (auto* columns = qobject_cast<TColumnHeader*>(header)) columns->SectionsSet();
    Options.DFields = letters;
    Options.TFields = static_cast<int32_t>(letters.size());
}

void TMDIChild::SaveColumnWidths(QHeaderView* header, const std::string& section) {
    QAbstractItemModel* model = header->model();
    if (!model) return;
    // The last section's own width: not the room it fills in this window.
    auto* columns = qobject_cast<TColumnHeader*>(header);
    for (int i = 0; i < header->count(); ++i)
        AppIni().WriteInteger(section, model->headerData(i, Qt::Horizontal).toString().toStdString(),
                              columns ? columns->OwnSectionSize(i) : header->sectionSize(i));
}

// ---------------------------------------------------------------- drawing

void TMDIChild::DrawEntry(QPainter& painter, int index, QHeaderView* header, QStyle::State state,
                          const QRect& rect) {
    auto* device = dynamic_cast<QWidget*>(painter.device());
    const QPalette palette = device ? device->palette() : QApplication::palette();
    const bool selected = state & QStyle::State_Selected;
    painter.fillRect(rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
    if (index < 0 || index >= FileList.GetListCount()) return;

    painter.save();
    const QFont listFont = painter.font();
    QColor textColour = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    QFont rowFont = listFont;
    TFrameServices* frame = Frame();
    if (frame && IsExecutableExt(FileList.Entry(index).Ext)) {
        const TDisplaySettings& display = frame->Display();
        textColour = display.ExeColor;
        rowFont.setBold(display.ExeBold);
        rowFont.setItalic(display.ExeItalic);
        rowFont.setUnderline(display.ExeUnderline);
        rowFont.setStrikeOut(display.ExeStrikeout);
    }
    painter.setFont(rowFont);
    painter.setPen(textColour);
    const QFontMetrics metrics(rowFont);
    const int baseline = rect.top() + metrics.ascent();

    // Columns from the second on, each at the left of its section; sizes
    // right-aligned. A text stays inside its section, cut with an ellipsis
    // where it is wider, a small gap short of the next column.
    const std::string& letters = Options.DFields;
    int x = header && header->count() > 0 ? header->sectionSize(header->logicalIndex(0)) : 0;
    for (size_t col = 1; col < letters.size(); ++col) {
        const int section = header ? header->logicalIndex(static_cast<int>(col)) : -1;
        const int width = section >= 0 ? header->sectionSize(section) : 0;
        const int room = width - kCellGap;
        const QString text = ElideToColumn(Shown(GetColumnText(index, letters[col])), metrics, room);
        int offset = 0;
        if (letters[col] == 'S') offset = std::max(0, room - metrics.horizontalAdvance(text));
        painter.save();
        painter.setClipRect(QRect(rect.left() + x, rect.top(), std::max(0, width), rect.height()),
                            Qt::IntersectClip);
        painter.drawText(QPoint(rect.left() + x + offset, baseline), text);
        painter.restore();
        x += width;
    }

    if (frame) {
        const QPixmap& mark = frame->TagMark(FileList.Entry(index).Tagged);
        const int top = rect.top() + std::max(0, (rect.height() - mark.height()) / 2);
        painter.drawPixmap(rect.left() + QFontMetrics(listFont).horizontalAdvance('A'), top, mark);
    }
    painter.restore();
}

// ---------------------------------------------------------------- shell

void TMDIChild::ShellEntry(const std::string& verb, int index) {
    if (index < 0 || index >= FileList.GetListCount()) return;
    const std::string name = GetEntryName(index);
    // The full path: the process's current directory may be another
    // window's by now.
    const int result = plat::ShellExecute(verb, GetEntryPath(index), "", GetDirectory());
    if (result > kShellSuccess) return;
    if (result == kNoAssociation)
        ShowMessage("No Association found for: " + name);
    else
        ShowMessage("Error processing: " + name);
}

void TMDIChild::OpenEntry(int index) { ShellEntry("open", index); }

void TMDIChild::PrintEntry(int index) { ShellEntry("print", index); }

void TMDIChild::EditEntry(int index) {
    if (Frame() && index >= 0 && index < FileList.GetListCount())
        Frame()->RunCommand(TCommand::EditFile, {this, GetEntryPath(index)});
}

void TMDIChild::ViewPicture(int index) {
    if (Frame() && index >= 0 && index < FileList.GetListCount())
        Frame()->RunCommand(TCommand::ViewPicture, {this, GetEntryPath(index)});
}

void TMDIChild::ViewIfPicture(int index) {
    if (index < 0 || index >= FileList.GetListCount()) return;
    const std::string path = GetEntryPath(index);
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('\\');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return;
    const std::string ext = plat::UpperCase(path.substr(dot));
    if (ext == ".BMP" || ext == ".ICO" || ext == ".EMF" || ext == ".WMF") ViewPicture(index);
}

// ---------------------------------------------------------------- dialogs

TDirectoryStatus TMDIChild::StatusFigures() const {
    TDirectoryStatus s;
    s.EntryCount = FileList.GetEntryCount();
    s.EntryBytes = FileList.GetEntryBytes();
    s.TaggedCount = FileList.GetTaggedCount();
    s.TaggedBytes = FileList.GetTaggedBytes();
    s.SortKeys = Options.SortKeys;
    s.Wildcards = Options.Wildcards;
    s.ResultWindow = IsResultWindow();
    return s;
}

void TMDIChild::ListChanged() {
    RunReportingErrors([this] {
        RepaintList();
        UpdateStatus();
    });
}

void TMDIChild::RunDirCommand(TCommand command) {
    if (!CanRun(command)) return;
    Frame()->RunCommand(command, {this});
    Progress().StopProgress();
}

bool TMDIChild::CanRun(TCommand command) const { return Frame() && Frame()->HasCommand(command); }

void TMDIChild::RenameTagged() { RunDirCommand(TCommand::Rename); }
void TMDIChild::TagByAttribute() { RunDirCommand(TCommand::TagByAttribute); }
void TMDIChild::TagByDate() { RunDirCommand(TCommand::TagByDate); }
void TMDIChild::SetAttributes() { RunDirCommand(TCommand::Attributes); }
void TMDIChild::DeleteTagged() { RunDirCommand(TCommand::Delete); }
void TMDIChild::CopyTagged() { RunDirCommand(TCommand::Copy); }
void TMDIChild::MoveTagged() { RunDirCommand(TCommand::Move); }
