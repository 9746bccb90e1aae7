#pragma once

#include "controls/handler.h"

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

// A captioned box of radio items with one item index. Setting the index from
// code to another item runs the click handler, as a user's click does;
// setting it to -1 or to the current item runs nothing.
class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    RadioGroup(const QString &caption, const QStringList &items, QWidget *parent = nullptr);

    [[nodiscard]] int itemIndex() const noexcept { return m_itemIndex; }
    void setItemIndex(int index);

    [[nodiscard]] qsizetype count() const noexcept { return m_items.size(); }
    [[nodiscard]] QRadioButton *item(qsizetype index) const { return m_items.at(index); }

    void setOnClick(Handler handler) { m_onClick = std::move(handler); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void check(int index);

    QButtonGroup *m_set;
    QList<QRadioButton *> m_items;
    int m_itemIndex = -1;
    bool m_fromCode = false;
    Handler m_onClick;
};
