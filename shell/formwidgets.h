// SPDX-License-Identifier: MIT
#pragma once

// The Qt widgets behind the controls that plain Qt widgets do not cover:
// a window that reports its close box and character keys and has Enter and
// Esc buttons, labels and frames that report clicks on their own surface
// only, and a drawn line.

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QWidget>

class QAbstractButton;

namespace poniruka {

class FormWindow : public QWidget
{
    Q_OBJECT
public:
    explicit FormWindow(QWidget *parent = nullptr);

    /// With key preview, character keys typed into any control reach the
    /// window first, and only once.
    void setKeyPreview(bool on);
    /// Enter presses the button with the focus, as Space does; where no
    /// button has the focus, it presses this one.
    void setEnterButton(QAbstractButton *button);
    /// Esc presses this button wherever the focus is.
    void setEscapeButton(QAbstractButton *button);
    /// Paints the window in this colour. Its palette stays the application's:
    /// the style caches each button's look under its palette's identity, so a
    /// fresh palette on every load would leave new copies behind each time.
    void setBackground(const QColor &colour);
    QColor background() const { return m_background; }

Q_SIGNALS:
    /// The user asked to close the window; it stays open until the screen unloads.
    void closeRequested();
    /// A key that yields a character.
    void keyPressed(int code);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool pressKeyButton(const QKeyEvent *event);

    bool m_keyPreview = false;
    QColor m_background;
    QPointer<QAbstractButton> m_enterButton;
    QPointer<QAbstractButton> m_escapeButton;
};

/// A label: text, or a picture. Clicks on it are its own: they never reach
/// the control behind it.
///
/// Its text is laid out one em to a line, the room the layout tables give
/// it: a face with tall ascenders (Reggae One) would otherwise push the second
/// line of a wrapped label out of its box. Wrapping may break Japanese text
/// between any two characters. A stretched picture is scaled pixel by pixel,
/// so the small icon stays crisp.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    /// An auto-size label keeps its left and top edges and takes the size of
    /// its text each time the text is set through setCaption().
    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }
    void setCaption(const QString &text);
    /// The size the text takes on one line per line break, in this font.
    QSize textSize() const;
    /// Whether a handler listens to clicks on the label.
    bool hasClickHandler() const;

Q_SIGNALS:
    void clicked();
    /// setCaption() set the text, also when it was the same text.
    void captionSet(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_autoSize = false;
    bool m_pressed = false;
};

/// A frame with an etched border; a click on its own surface is reported.
class Frame : public QFrame
{
    Q_OBJECT
public:
    explicit Frame(QWidget *parent = nullptr);

    /// Whether a handler listens to clicks on the frame.
    bool hasClickHandler() const;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

/// A straight line between two points of its parent. A level or upright
/// line of width w covers w pixel rows below (columns right of) its points,
/// so that a 1-pixel line one pixel above a 2-pixel line touches it.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(QPoint from, QPoint to, QColor colour, int width, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from, m_to;
    QColor m_colour;
    int m_width;
};

} // namespace poniruka
