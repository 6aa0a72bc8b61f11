#pragma once

#include "foundation/edit_mask.h"

#include <QLineEdit>

namespace kalmira {

// A line edit over an edit mask such as "AAAA.AA;0;_": it shows the value
// with the mask's literals and hands it back as the mask saves it.
class MaskedEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit MaskedEdit(QWidget *parent = nullptr);

    void setEditMask(const QString &mask);
    void setValue(const QString &value);
    QString value() const;
    // True when every position the mask requires is filled; a field left
    // wholly empty counts as complete only when allowEmpty is set.
    bool isComplete(bool allowEmpty = false) const;

protected:
    // Entered from the keyboard or on opening, the whole text is selected so
    // that typing replaces it from the first position.
    void focusInEvent(QFocusEvent *event) override;

private:
    EditMask m_mask;
};

} // namespace kalmira
