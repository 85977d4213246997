// SPDX-License-Identifier: MIT
#include "shell/accessibility.h"

#include "screens/layout.h"
#include "shell/formwidgets.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QPushButton>

namespace poniruka {

using namespace layout;

namespace {

// An interface may be made while the builder is still at work (the first
// text a widget gets is news to a screen reader already), so the interfaces
// below read what the builder left on their widgets each time they are
// asked, never once when they are made.
constexpr char dialogRole[] = "poniruka.dialog";           // windows
constexpr char namedBy[] = "poniruka.namedBy";             // windows: the label that names it
constexpr char defaultButton[] = "poniruka.defaultButton"; // buttons

QString fromUtf8(const char *text)
{
    return QString::fromUtf8(text);
}

/// A screen's window: a window or a dialog, named by its title, or by the
/// label that shows its title when the window has none.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(FormWindow *window) : QAccessibleWidget(window, QAccessible::Window) { }

    QAccessible::Role role() const override
    {
        return widget()->property(dialogRole).toBool() ? QAccessible::Dialog : QAccessible::Window;
    }
    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        const QString label = widget()->property(namedBy).toString();
        if (t == QAccessible::Name && text.isEmpty() && !label.isEmpty())
            if (auto *shown = widget()->findChild<QLabel *>(label))
                text = shown->text();
        return text;
    }
};

/// A label or a frame that a screen reader may press when a click on it
/// does something; the press is that click.
template <class Surface> class PressableAccessible : public QAccessibleWidget
{
public:
    PressableAccessible(Surface *surface, QAccessible::Role role) : QAccessibleWidget(surface, role) { }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString &action) override
    {
        if (action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (pressable())
            Q_EMIT surface()->clicked();
    }

protected:
    Surface *surface() const { return static_cast<Surface *>(widget()); }
    bool pressable() const { return widget()->isEnabled() && surface()->hasClickHandler(); }
};

/// A label is named by its text, a picture by its accessible name; a label
/// that names another control says so.
class LabelAccessible : public PressableAccessible<Label>
{
public:
    explicit LabelAccessible(Label *label) : PressableAccessible(label, QAccessible::StaticText) { }

    QAccessible::Role role() const override
    {
        return surface()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return surface()->text();
        return QAccessibleWidget::text(t);
    }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto relations = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled)
            if (QAccessibleInterface *named = QAccessible::queryAccessibleInterface(surface()->buddy()))
                relations.append({named, QAccessible::Labelled});
        return relations;
    }
};

/// A button, named by its text without the access key's ampersand. The
/// window's Enter button says it is the default button without drawing
/// itself as one.
class ButtonAccessible : public QAccessibleWidget
{
public:
    explicit ButtonAccessible(QPushButton *button) : QAccessibleWidget(button, QAccessible::Button) { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return withoutAmpersands(button()->text());
        if (t == QAccessible::Accelerator)
            return button()->shortcut().toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        state.defaultButton = button()->property(defaultButton).toBool();
        return state;
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString &action) override
    {
        if (action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (widget()->isEnabled())
            button()->animateClick(); // pressed where a sighted helper sees it
    }
    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == pressAction() && !button()->shortcut().isEmpty())
            return {button()->shortcut().toString(QKeySequence::NativeText)};
        return {};
    }

private:
    QPushButton *button() const { return static_cast<QPushButton *>(widget()); }

    // "&&" stands for one ampersand.
    static QString withoutAmpersands(QString text)
    {
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text.at(i) == QLatin1Char('&'))
                text.remove(i, 1);
        return text;
    }
};

// How a new verdict reaches a child who cannot see it. A screen reader
// speaks a change of a label's text only while the label has the focus, and
// the focus stays on "こたえる". Qt 6.4 has no announcement event yet, and
// its AT-SPI bridge passes the alert event on to no one. What Orca does
// speak wherever the focus is, is a notification that starts showing: its
// role and its name. So each new text of the label shows as a notification
// named by that text. Notifications stand outside the window's tree, whose
// children are the controls a child can see, and are made only while a
// screen reader listens.

/// One text as spoken: a notification that keeps its text.
class Announcement : public QObject
{
public:
    Announcement(const QString &text, QObject *announcer) : QObject(announcer), text(text) { }

    const QString text;
};

class Announcer : public QObject
{
public:
    explicit Announcer(Label *speaker) : QObject(speaker) { }

    void say(const QString &text)
    {
        if (text.isEmpty() || !QAccessible::isActive())
            return;
        // A screen reader reads the name when it comes to the event, which
        // may be after the next answer: the one before stays, with its text.
        if (children().size() > 1)
            delete children().front();
        QAccessibleEvent shown(
            QAccessible::queryAccessibleInterface(new Announcement(text, this)), QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
};

class AnnouncementAccessible : public QAccessibleObject
{
public:
    explicit AnnouncementAccessible(Announcement *announcement) : QAccessibleObject(announcement) { }

    // The label that says it.
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent()->parent());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<Announcement *>(object())->text : QString();
    }
    QRect rect() const override { return parent()->rect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface *interfaceFor(const QString &, QObject *object)
{
    if (auto *window = qobject_cast<FormWindow *>(object))
        return new WindowAccessible(window);
    if (auto *label = qobject_cast<Label *>(object))
        return new LabelAccessible(label);
    if (auto *frame = qobject_cast<Frame *>(object))
        return new PressableAccessible<Frame>(frame, QAccessible::Grouping);
    if (auto *line = qobject_cast<Line *>(object))
        return new QAccessibleWidget(line, QAccessible::Separator);
    if (auto *button = qobject_cast<QPushButton *>(object); button && qobject_cast<FormWindow *>(button->window()))
        return new ButtonAccessible(button);
    if (auto *announcement = dynamic_cast<Announcement *>(object))
        return new AnnouncementAccessible(announcement);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

void makeAccessible(FormWindow *window, const Screen &screen)
{
    window->setProperty(dialogRole, screen.window.dialog);
    if (screen.window.namedBy)
        window->setProperty(namedBy, QString::fromLatin1(screen.window.namedBy));
    const auto find = [window](const char *name) { return window->findChild<QWidget *>(QString::fromLatin1(name)); };
    for (const Control &c : screen.controls) {
        QWidget *widget = find(c.name);
        if (!widget)
            continue; // a timer
        if (c.accessibleName)
            widget->setAccessibleName(fromUtf8(c.accessibleName));
        else if (const char *picture = pictureName(c.picture))
            widget->setAccessibleName(fromUtf8(picture));
        if (c.description)
            widget->setAccessibleDescription(fromUtf8(c.description));
        if (auto *describer = qobject_cast<QLabel *>(c.describedBy ? find(c.describedBy) : nullptr))
            widget->setAccessibleDescription(describer->text());
        if (auto *label = qobject_cast<QLabel *>(widget); label && c.buddy)
            label->setBuddy(find(c.buddy));
        if (c.enterKey)
            widget->setProperty(defaultButton, true);
        if (auto *label = qobject_cast<Label *>(widget); label && c.announce)
            QObject::connect(label, &Label::captionSet, new Announcer(label), &Announcer::say);
    }
}

} // namespace poniruka
