#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>

#include <functional>

#include <gtest/gtest.h>

namespace ventrix::test {

// The window's child of that object name; a test failure when there is none.
template <typename T = QWidget> T* child(QWidget* w, const QString& name)
{
    T* found = w->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

inline void click(QWidget* w, const QString& name)
{
    child<QAbstractButton>(w, name)->click();
}

// Types into the field and leaves it, as the user does.
inline void typeAndLeave(QWidget* w, const QString& name, const QString& text)
{
    auto* edit = child<QLineEdit>(w, name);
    edit->setText(text);
    emit edit->editingFinished();
}

// The Alt+letter keys the window's buttons, labels with buddies and menu titles claim, one
// entry per claim, so a letter claimed twice appears twice.
inline QStringList mnemonics(const QWidget* window)
{
    QStringList keys;
    auto claim = [&keys](const QString& text) {
        const qsizetype amp = text.indexOf(u'&');
        if (amp >= 0 && amp + 1 < text.size() && text.at(amp + 1) != u'&')
            keys << text.at(amp + 1).toLower();
    };
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>())
        claim(b->text());
    if (const auto* bar = window->findChild<QMenuBar*>()) {
        for (const QAction* a : bar->actions())
            claim(a->text());
    }
    return keys;
}

inline QStringList duplicates(QStringList keys)
{
    QStringList twice;
    keys.sort();
    for (qsizetype i = 1; i < keys.size(); ++i) {
        if (keys.at(i) == keys.at(i - 1) && !twice.contains(keys.at(i)))
            twice << keys.at(i);
    }
    return twice;
}

// Acts on the next modal dialog as soon as it is shown.
inline void onModal(std::function<void(QDialog*)> act, int tries = 300)
{
    QTimer::singleShot(10, [act = std::move(act), tries]() mutable {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible())
            act(dialog);
        else if (tries > 0)
            onModal(std::move(act), tries - 1);
    });
}

}
