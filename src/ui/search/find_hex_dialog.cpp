#include "ui/search/find_hex_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

#include "core/platform/errors.h"
#include "core/search/byte_search.h"
#include "core/seams/prompter.h"
#include "core/settings/app_ini.h"
#include "core/tagging/history.h"
#include "ui/frame/dialog_buttons.h"
#include "ui/frame/find_dialog_layout.h"

namespace {
const char* const kSection = "FHEX";
const char* const kHistoryKey = "HEX";

// The search string ends before a byte 00, which a text field cannot hold,
// and is never longer than a search string may be.
std::string SearchStringOf(std::string bytes) {
    bytes.resize(std::min(bytes.find('\0'), bytes.size()));
    return std::string(CutSearchString(bytes));
}

// Bytes as the text field shows them: as UTF-8 where they are valid
// UTF-8, else one character a byte, so every byte stays visible.
QString TextOf(const std::string& bytes) {
    const QByteArray raw = QByteArray::fromStdString(bytes);
    const QString utf8 = QString::fromUtf8(raw);
    return utf8.toUtf8() == raw ? utf8 : QString::fromLatin1(raw);
}
}  // namespace

THexValidLight::THexValidLight(QWidget* parent) : QWidget(parent) {
    setObjectName("Light");
    setFixedSize(16, 16);
}

void THexValidLight::SetValid(bool valid) {
    if (valid_ == valid) return;
    valid_ = valid;
    update();
}

void THexValidLight::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(valid_ ? QColor(0, 192, 0) : QColor(224, 0, 0));
    painter.drawEllipse(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
}

TFindHexDialog::TFindHexDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("FHEX");
    setWindowTitle("Find Hex Characters");

    CB_Hex = new QComboBox(this);
    CB_Hex->setObjectName("CB_Hex");
    CB_Hex->setEditable(true);
    CB_Hex->setInsertPolicy(QComboBox::NoInsert);
    // The completer would put a history entry in place of what is typed.
    CB_Hex->setCompleter(nullptr);
    CB_Hex->setMinimumWidth(300);
    history_ = LoadHistory(kSection, kHistoryKey);
    for (const std::string& entry : history_) CB_Hex->addItem(QString::fromStdString(entry));
    CB_Hex->setEditText(QString());

    E_Text = new QLineEdit(this);
    E_Text->setObjectName("E_Text");
    Light = new THexValidLight(this);
    const TFindBoxes findBoxes = MakeFindBoxes(this, kSection, "TOP", true, "&Case  Sensitive", "CASE", true);
    CB_Top = findBoxes.Top;
    CB_Case = findBoxes.Case;
    FindBtn = DialogButton(this, "&Find", "FindBtn", true);
    CancelBtn = DialogButton(this, "Cancel", "CancelBtn");

    auto* fields = new QFormLayout;
    fields->addRow("&Hex:", CB_Hex);
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(E_Text);
    textRow->addWidget(Light);
    fields->addRow("Text", textRow);
    LayOutFindDialog(this, fields, findBoxes, FindBtn, CancelBtn);

    connect(CB_Hex, &QComboBox::editTextChanged, this, &TFindHexDialog::HexChanged);
    connect(E_Text, &QLineEdit::textEdited, this, &TFindHexDialog::TextChanged);
    connect(FindBtn, &QPushButton::clicked, this, &TFindHexDialog::FindBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    CB_Hex->setFocus();
}

void TFindHexDialog::ShowTextOf(const std::string& bytes) {
    bytes_ = SearchStringOf(bytes);
    E_Text->setText(TextOf(bytes_));
}

void TFindHexDialog::HexChanged(const QString& hex) {
    if (updating_) return;
    updating_ = true;
    try {
        ShowTextOf(HexToBytes(hex.toStdString()));
        Light->SetValid(true);
    } catch (const EConvertError&) {
        // The text keeps what it stood for before.
        Light->SetValid(false);
    }
    updating_ = false;
}

void TFindHexDialog::TextChanged(const QString& text) {
    if (updating_) return;
    updating_ = true;
    bytes_ = SearchStringOf(text.toStdString());
    // A byte 00 cannot be typed, but one pasted in ends the text.
    if (bytes_.size() != static_cast<size_t>(text.toUtf8().size())) E_Text->setText(TextOf(bytes_));
    CB_Hex->setEditText(QString::fromStdString(BytesToHex(bytes_)));
    Light->SetValid(true);
    updating_ = false;
}

void TFindHexDialog::FindBtnClick() {
    if (bytes_.empty()) {
        ShowMessage("Enter something to find!");
        CB_Hex->setFocus();
        return;
    }
    AddToHistory(CB_Hex->currentText().toStdString(), history_);
    // The search runs even when the choices cannot be stored; the user is
    // told why they were not.
    try {
        SaveHistory(kSection, kHistoryKey, history_);
        AppIni().WriteBool(kSection, "TOP", CB_Top->isChecked());
        AppIni().WriteBool(kSection, "CASE", CB_Case->isChecked());
    } catch (const EInOutError& error) {
        ShowError(error.what());
    }
    accept();
}

bool FindHexCharacters(QWidget* parent, std::string& bytes, bool& caseSensitive, bool& fromTop) {
    TFindHexDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    bytes = dialog.SearchBytes();
    caseSensitive = dialog.CB_Case->isChecked();
    fromTop = dialog.CB_Top->isChecked();
    return true;
}
