// SPDX-License-Identifier: MIT
#pragma once

// The Qt widgets behind the controls that plain Qt widgets do not cover:
// a window that reports its close box and character keys, labels and frames
// that report clicks on their own surface only, and a drawn line.

#include <QFrame>
#include <QLabel>
#include <QWidget>

namespace poniruka {

class FormWindow : public QWidget
{
    Q_OBJECT
public:
    explicit FormWindow(QWidget *parent = nullptr);

    /// With key preview, character keys typed into any control reach the window first.
    void setKeyPreview(bool on);

Q_SIGNALS:
    /// The user asked to close the window; it stays open until the screen unloads.
    void closeRequested();
    /// A key that yields a character.
    void keyPressed(int code);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_keyPreview = false;
};

/// A label. Clicks on it are its own: they never reach the control behind it.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    /// An auto-size label keeps its left and top edges and fits its text.
    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }
    void setCaption(const QString &text);

Q_SIGNALS:
    void clicked();

protected:
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

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

/// A straight line between two points of its parent.
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
