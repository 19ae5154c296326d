#pragma once

#include "common/keyfilters.h"
#include "common/ui/fieldbinder.h"

#include <QDialog>

namespace ventrix {

class HoverStatusFilter;
class TimedStatusLine;

// The base of every module screen: fields bound to their columns and loaded, read and cleared by
// prefix; Enter moving to the next field; F1 opening the screen's help topic; the check of the
// required fields; a status line that tells what the control under the pointer does; and, when
// the screen asks for it, the question before leaving with changes not saved.
class ModuleWindow : public QDialog
{
    Q_OBJECT

public:
    ModuleWindow(const QString& objectName, const QString& title, int helpContext, QWidget* parent = nullptr);

    FieldBinder& binder() { return m_binder; }

    // Binds the field to the column (its "dataField", and its object name when it has none),
    // filters its keys, and counts its edits as changes to save. Returns the field.
    template <typename Field>
    Field* bind(Field* field, const QString& column, FieldKeys keys = FieldKeys::Text, bool required = false)
    {
        bindField(field, column, keys, required);
        return field;
    }
    // A field outside the bound record that still moves on with Enter and filters its keys.
    void enterMovesOn(QWidget* field, FieldKeys keys = FieldKeys::Text);

    // Shows the record in the prefix's fields; the screen then counts as unchanged.
    void loadFields(const QString& prefix, const FieldValues& values);
    FieldValues readFields(const QString& prefix) const { return m_binder.read(prefix); }

    // False, with the first missing field named, shown and focused, when a required one is empty.
    bool checkRequired();

    // The status line, created on first use; the screen places it in its layout.
    TimedStatusLine* statusLine();
    // While the pointer is over the widget, the status line shows the text.
    void hoverText(QWidget* widget, const QString& text);

    // Leaving with changes not saved asks the question first (No keeps the screen open).
    void askBeforeLeaving(const QString& question) { m_leaveQuestion = question; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    void done(int result) override;

private:
    void bindField(QWidget* field, const QString& column, FieldKeys keys, bool required);
    void watchEdits(QWidget* field);

    FieldBinder m_binder;
    TimedStatusLine* m_status = nullptr;
    HoverStatusFilter* m_hover = nullptr;
    QString m_leaveQuestion;
    bool m_modified = false;
};

}
