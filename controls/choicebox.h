#pragma once

#include "controls/handler.h"

#include <QStringList>
#include <QWidget>

class QComboBox;

// What the windows' choice boxes show at start, with nothing chosen.
inline const QString NothingChosenText = QStringLiteral("Select");

// An editable drop-down list whose selection is separate from its shown text.
//
// A QComboBox moves its current index when entries are added and signals on
// changes made from code; this box does neither. Setting the selection or the
// text from code runs no handler; the change handler runs when the user picks
// an entry or edits the text. Typing completes to the first entry that begins
// with the typed text, letter case ignored, and selects it.
class ChoiceBox : public QWidget
{
    Q_OBJECT

public:
    explicit ChoiceBox(QWidget *parent = nullptr);

    // The selected entry, -1 for none.
    [[nodiscard]] int itemIndex() const noexcept { return m_itemIndex; }
    // Selecting an entry shows its text; -1 clears the text.
    void setItemIndex(int index);

    [[nodiscard]] QString text() const;
    void setText(const QString &text);

    [[nodiscard]] QStringList items() const;
    [[nodiscard]] QString itemText(int index) const;
    [[nodiscard]] int count() const;
    // Replacing all entries keeps the shown text and leaves no selection.
    void setItems(const QStringList &items);
    void addItem(const QString &item);
    // Replacing the selected entry loses the selection.
    void setItem(int index, const QString &item);
    void clearItems();

    void setOnChange(Handler handler) { m_onChange = std::move(handler); }

    [[nodiscard]] QComboBox *comboBox() const noexcept { return m_combo; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void picked(int index);
    void edited(const QString &text);
    void syncCombo();
    void changed();

    QComboBox *m_combo;
    int m_itemIndex = -1;
    // The edit under way comes from a typed character, which completes.
    bool m_typedCharacter = false;
    Handler m_onChange;
};
