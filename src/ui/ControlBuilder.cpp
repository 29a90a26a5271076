#include "ui/ControlBuilder.h"

#include "panel/WindowDescription.h"
#include "ui/DriveComboBox.h"
#include "ui/Fonts.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace zel {
namespace {

QString Spoken(std::string_view caption) {
    return FromUtf8(SpokenCaption(caption));
}

void Place(QWidget& control, const ControlRect& rect) {
    control.setGeometry(rect.left, rect.top, rect.width, rect.height);
}

// The forms' labels sized themselves to their text; one that the standing-in face makes
// wider grows away from the edge it is aligned to.
void PlaceLabel(QLabel& label, const ControlDescription& control, const QWidget& window) {
    const ControlRect& rect = control.rect;
    if (rect.width == ControlRect::kFitText) {
        label.move(rect.left, rect.top);
        label.adjustSize();
        return;
    }
    if (rect.width == ControlRect::kToRightEdge) {
        label.setGeometry(rect.left, rect.top, window.width() - rect.left, rect.height);
        return;
    }
    const int width = std::max(rect.width, label.sizeHint().width());
    const int left =
        control.alignment == Alignment::Right ? rect.left + rect.width - width : rect.left;
    label.setGeometry(left, rect.top, width, rect.height);
}

QLabel* MakeLabel(QWidget* parent, const ControlDescription& control, const QWidget& window) {
    auto* label = new QLabel(FromUtf8(control.caption), parent);
    label->setAlignment((control.alignment == Alignment::Right ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignVCenter);
    if (control.kind == ControlKind::Text) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(false);
    }
    if (!control.font.face.empty()) {
        label->setFont(FontOf(control.font));
    }
    PlaceLabel(*label, control, window);
    return label;
}

QLabel* MakePicture(QWidget* parent, const ControlDescription& control) {
    auto* image = new QLabel(parent);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(*image, control.rect);
    image->hide();
    return image;
}

QPushButton* MakeButton(QWidget* parent, const ControlDescription& control) {
    auto* button = new QPushButton(FromUtf8(control.caption), parent);
    Place(*button, control.rect);
    // Enter on a focused button presses it, as in any dialog.
    button->setAutoDefault(true);
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const ControlDescription& control) {
    auto* box = new QCheckBox(FromUtf8(control.caption), parent);
    const ControlRect& rect = control.rect;
    box->setGeometry(rect.left, rect.top, std::max(rect.width, box->sizeHint().width()),
                     rect.height);
    box->setChecked(control.checked);
    return box;
}

QProgressBar* MakeProgressBar(QWidget* parent, const ControlDescription& control) {
    auto* gauge = new QProgressBar(parent);
    Place(*gauge, control.rect);
    gauge->setRange(0, control.maximum);
    gauge->setValue(0);
    if (!control.sunken) {
        gauge->setAlignment(Qt::AlignCenter);
    }
    QPalette palette = gauge->palette();
    palette.setColor(QPalette::Highlight, Qt::blue);
    palette.setBrush(QPalette::Base, palette.button());
    gauge->setPalette(palette);
    return gauge;
}

QFrame* MakePanel(QWidget* parent, const ControlDescription& control) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Place(*panel, control.rect);
    return panel;
}

QWidget* MakeControl(QWidget* parent, const ControlDescription& control, const QWidget& window) {
    switch (control.kind) {
    case ControlKind::Panel:
        return MakePanel(parent, control);
    case ControlKind::Label:
    case ControlKind::Text:
        return MakeLabel(parent, control, window);
    case ControlKind::Picture:
        return MakePicture(parent, control);
    case ControlKind::Button:
        return MakeButton(parent, control);
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        Place(*edit, control.rect);
        return edit;
    }
    case ControlKind::CheckBox:
        return MakeCheckBox(parent, control);
    case ControlKind::DriveList: {
        auto* list = new DriveComboBox(parent);
        Place(*list, control.rect);
        return list;
    }
    case ControlKind::ProgressBar:
        return MakeProgressBar(parent, control);
    }
    throw std::logic_error("unknown control kind");
}

} // namespace

QString FromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QFont FontOf(const FontDescription& font) {
    if (font.face == "MS Sans Serif") {
        return SansSerifPixels(font.pixels, font.bold);
    }
    if (font.face.empty()) {
        return FormFont();
    }
    QFont named = NamedFace(FromUtf8(font.face));
    named.setPixelSize(font.pixels);
    named.setBold(font.bold);
    return named;
}

void BuildControls(QWidget& window, const WindowDescription& description) {
    window.setObjectName(FromUtf8(description.name));
    window.setWindowTitle(FromUtf8(description.title));
    window.setFont(FontOf(description.font));
    if (description.width > 0) {
        window.setFixedSize(description.width, description.height);
    }
    for (const ControlDescription& control : description.controls) {
        QWidget* parent =
            control.parent.empty() ? &window : Described<QWidget>(window, control.parent);
        QWidget* made = MakeControl(parent, control, window);
        made->setObjectName(FromUtf8(control.name));
        if (!control.font.face.empty() && control.kind != ControlKind::Label &&
            control.kind != ControlKind::Text) {
            made->setFont(FontOf(control.font));
        }
        const std::string_view spoken =
            control.accessibleName.empty() ? control.caption : control.accessibleName;
        if (!spoken.empty() && control.kind != ControlKind::Label &&
            control.kind != ControlKind::Text) {
            made->setAccessibleName(Spoken(spoken));
        }
    }
    for (const ControlDescription& control : description.controls) {
        if (!control.buddy.empty()) {
            Described<QLabel>(window, control.name)
                ->setBuddy(Described<QWidget>(window, control.buddy));
        }
    }
}

} // namespace zel
