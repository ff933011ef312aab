#pragma once

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRect>

namespace tavrolin::ui {

// Captions of labels and check boxes are dark grey; values stand out in blue.
inline const QColor kCaptionColour(64, 64, 64);
inline const QColor kValueColour(0, 0, 255);

// Named controls at fixed places, as the window is laid out: the object name is the
// control's design name, so tests and assistive tools can find it.
QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption,
                     const QRect& geometry);
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  const QColor& colour = kCaptionColour);
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry);
QPushButton* makePictureButton(QWidget* parent, const char* name, const QPixmap& picture,
                               const QRect& geometry);
// An editable list: its text may also be typed, and typing adds no item.
QComboBox* makeList(QWidget* parent, const char* name, const QRect& geometry,
                    const QStringList& items);
QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry);

// Stacks a question, the field that answers it and OK / Cancel in a dialog.
void layOutQuestion(QDialog& dialog, QLabel* question, QWidget* answer);

// Marks the controls over which a pointer move takes the underline off the contact
// frame's links; the main window hands every marked control to that frame.
void clearLinkUnderlinesOver(std::initializer_list<QWidget*> areas);
bool clearsLinkUnderlines(const QWidget& area);

}  // namespace tavrolin::ui
