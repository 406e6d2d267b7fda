#pragma once
// Command buttons draw their own faces: a picture of the button's size less
// 6 pixels, framed in the image's top-left colour, filled with the state
// colour (yellow while focused), with the image of the button's tag and the
// caption. The caption stays the button's accessibleName.
#include <QColor>
#include <QImage>
#include <QString>
#include <vector>

class QPushButton;
class QWidget;

namespace kestrin {

using ButtonImageList = std::vector<QImage>;

// Images by tag - 1, 24 x 22 pixels: the dialogs' list (1 cancel/default,
// 2 continue/apply, 3 fix) and the main window's list.
const ButtonImageList& DialogButtonImages();
const ButtonImageList& MainButtonImages();

// The tag of a button (dynamic property "tag"), 0 when none.
void SetButtonTag(QPushButton* button, int tag);
int ButtonTag(const QPushButton* button);

// The caption table of the main window's command buttons (list mode's
// included), by tag; a negative tag counts as its positive. Empty for a tag
// without a caption.
QString MainButtonCaption(int tag);

// Where the picture stands relative to the caption.
enum class GlyphLayout { Left, Right, Top, Bottom };

// Paints the face picture for the state colour and sets it as the button's
// glyph. Positive tag within the list: that image; negative tag or no image:
// red frame, no picture. text is drawn word-wrapped in the space left.
void DrawButtonFace(QPushButton* button, const ButtonImageList& images, const QColor& stateColour,
                    const QString& text, GlyphLayout layout = GlyphLayout::Top);

// The face picture alone (what DrawButtonFace sets), for tests.
QImage RenderButtonFace(const QPushButton* button, const ButtonImageList& images,
                        const QColor& stateColour, const QString& text, GlyphLayout layout);

// Makes the button draw its face now and again whenever it gains or loses
// the focus (yellow while focused) or is resized. images must outlive it.
void AttachButtonFace(QPushButton* button, const ButtonImageList& images, const QString& caption,
                      GlyphLayout layout = GlyphLayout::Top);

// Draws every button of the window that has a face attached, in the colour
// of its current focus state.
void DrawAllButtonFaces(QWidget* window);

}  // namespace kestrin
