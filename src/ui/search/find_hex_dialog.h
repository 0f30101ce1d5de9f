// "Find Hex Characters": the hex viewer's search dialog. The search bytes
// can be typed as hexadecimal pairs or as text; the two fields follow each
// other, and a light shows whether the hexadecimal field converts.
#pragma once

#include <QDialog>
#include <QWidget>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// A small circle, green while the hexadecimal field is valid, red while not.
class THexValidLight : public QWidget {
    Q_OBJECT
public:
    explicit THexValidLight(QWidget* parent = nullptr);
    bool Valid() const { return valid_; }
    void SetValid(bool valid);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool valid_ = true;
};

class TFindHexDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFindHexDialog(QWidget* parent = nullptr);

    QComboBox* CB_Hex;       // history "FHEX", "HEX"; empty and focused on opening
    QLineEdit* E_Text;       // the same bytes as text
    THexValidLight* Light;
    QCheckBox* CB_Top;       // "TOP"
    QCheckBox* CB_Case;      // "CASE"
    QPushButton* FindBtn;
    QPushButton* CancelBtn;

    // The bytes the text field stands for (never holding a byte 00).
    const std::string& SearchBytes() const { return bytes_; }

    void HexChanged(const QString& hex);
    void TextChanged(const QString& text);
    void FindBtnClick();

private:
    void ShowTextOf(const std::string& bytes);

    std::string bytes_;
    std::vector<std::string> history_;
    bool updating_ = false;  // set while one field writes the other
};

// Runs the dialog; on "&Find" answers true with the search bytes and the two
// choices, on Cancel false with the arguments untouched.
bool FindHexCharacters(QWidget* parent, std::string& bytes, bool& caseSensitive, bool& fromTop);
