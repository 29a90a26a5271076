#include "ui/ControlBuilder.h"

#include "panel/ControlEvents.h"
#include "panel/WindowDescription.h"
#include "ui/DriveComboBox.h"
#include "ui/EditableCombo.h"
#include "ui/Fonts.h"
#include "ui/Glyphs.h"
#include "ui/QtText.h"
#include "ui/StringGrid.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QIconEngine>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>
#include <array>

namespace zel {
namespace {

QString Spoken(std::string_view caption) {
    return FromUtf8(SpokenCaption(caption));
}

bool HasOwnFont(const FontDescription& font) {
    return !font.face.empty() || font.bold;
}

// Labels take their font as they are sized; group boxes are no control a user reaches.
bool IsCaptionOnly(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Text || kind == ControlKind::GroupBox;
}

QIcon DrawGlyph(Glyph glyph) {
    switch (glyph) {
    case Glyph::None:
        break;
    case Glyph::Settings:
        return SettingsGlyph();
    case Glyph::Browse:
        return BrowseGlyph();
    case Glyph::Tick:
        return TickGlyph();
    case Glyph::Cross:
        return CrossGlyph();
    }
    return {};
}

// A glyph drawn when a button first paints it, not when the button is made: the print page's
// switches are made at start and seldom shown. The picture is then what it always was.
class GlyphEngine final : public QIconEngine {
public:
    explicit GlyphEngine(Glyph glyph) : m_glyph(glyph) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Drawn().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Drawn().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Drawn().actualSize(size, mode, state);
    }
    [[nodiscard]] QIconEngine* clone() const override { return new GlyphEngine(m_glyph); }

private:
    const QIcon& Drawn() {
        if (m_drawn.isNull()) {
            m_drawn = DrawGlyph(m_glyph);
        }
        return m_drawn;
    }

    Glyph m_glyph;
    QIcon m_drawn;
};

// A part draws each glyph once: drawing it costs more than the button that shows it.
class GlyphIcons final {
public:
    const QIcon& operator[](Glyph glyph) {
        auto& icon = m_icons.at(static_cast<std::size_t>(glyph));
        if (icon.isNull()) {
            icon = QIcon(new GlyphEngine(glyph));
        }
        return icon;
    }

private:
    std::array<QIcon, 5> m_icons;
};

QSize IconSizeOf(Glyph glyph) {
    return glyph == Glyph::Browse ? QSize(9, 3) : QSize(18, 18);
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
    if (HasOwnFont(control.font)) {
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

QRadioButton* MakeRadio(QWidget* parent, const ControlDescription& control) {
    auto* radio = new QRadioButton(FromUtf8(control.caption), parent);
    Place(*radio, control.rect);
    radio->setChecked(control.checked);
    return radio;
}

QGroupBox* MakeGroupBox(QWidget* parent, const ControlDescription& control) {
    auto* box = new QGroupBox(FromUtf8(control.caption), parent);
    Place(*box, control.rect);
    return box;
}

QPushButton* MakePictureButton(QWidget* parent, const ControlDescription& control,
                               GlyphIcons& icons) {
    QPushButton* button = MakeButton(parent, control);
    button->setIcon(icons[control.glyph]);
    button->setIconSize(IconSizeOf(control.glyph));
    // The browse glyph lies bare on the plain button under it.
    button->setFlat(control.glyph == Glyph::Browse);
    return button;
}

QToolButton* MakeSpeedButton(QWidget* parent, const ControlDescription& control,
                             GlyphIcons& icons) {
    auto* button = new QToolButton(parent);
    button->setText(FromUtf8(control.caption));
    button->setIcon(icons[control.glyph]);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setCheckable(true);
    button->setChecked(control.checked);
    Place(*button, control.rect);
    return button;
}

StringGrid* MakeGrid(QWidget* parent, const ControlDescription& control) {
    auto* grid = new StringGrid(static_cast<int>(control.columnWidths.size()), 2, parent);
    Place(*grid, control.rect);
    int column = 0;
    for (const int width : control.columnWidths) {
        grid->setColumnWidth(column++, width);
    }
    return grid;
}

QFrame* MakePanel(QWidget* parent, const ControlDescription& control) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Place(*panel, control.rect);
    return panel;
}

EditableCombo* MakeDriveBox(QWidget* parent, const ControlDescription& control) {
    auto* box = new EditableCombo(parent);
    Place(*box, control.rect);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QWidget* MakeControl(QWidget* parent, const ControlDescription& control, const QWidget& window,
                     GlyphIcons& icons) {
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
    case ControlKind::RadioButton:
        return MakeRadio(parent, control);
    case ControlKind::GroupBox:
        return MakeGroupBox(parent, control);
    case ControlKind::PictureButton:
        return MakePictureButton(parent, control, icons);
    case ControlKind::SpeedButton:
        return MakeSpeedButton(parent, control, icons);
    case ControlKind::DriveBox:
        return MakeDriveBox(parent, control);
    case ControlKind::Grid:
        return MakeGrid(parent, control);
    case ControlKind::Pages:
    case ControlKind::Page:
        // Each face makes its pages as its toolkit lets it make them lazily.
        break;
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
        QFont form = FormFont();
        form.setBold(font.bold);
        return form;
    }
    QFont named = NamedFace(FromUtf8(font.face));
    named.setPixelSize(font.pixels);
    named.setBold(font.bold);
    return named;
}

std::vector<QWidget*> BuildControls(QWidget& holder, std::span<const ControlDescription> controls) {
    std::vector<QWidget*> made;
    made.reserve(controls.size());
    GlyphIcons icons;
    for (const ControlDescription& control : controls) {
        QWidget* parent =
            control.parent.empty() ? &holder : Described<QWidget>(holder, control.parent);
        QWidget* widget = MakeControl(parent, control, holder, icons);
        widget->setObjectName(FromUtf8(control.name));
        if (HasOwnFont(control.font) && !IsCaptionOnly(control.kind)) {
            widget->setFont(FontOf(control.font));
        }
        const std::string_view spoken =
            control.accessibleName.empty() ? control.caption : control.accessibleName;
        if (!spoken.empty() && !IsCaptionOnly(control.kind)) {
            widget->setAccessibleName(Spoken(spoken));
        }
        if (!control.toolTip.empty()) {
            widget->setToolTip(FromUtf8(control.toolTip));
        }
        if (!control.accessibleDescription.empty()) {
            widget->setAccessibleDescription(FromUtf8(control.accessibleDescription));
        }
        if (control.clickOnly) {
            widget->setFocusPolicy(Qt::NoFocus);
        }
        made.push_back(widget);
    }
    for (const ControlDescription& control : controls) {
        if (!control.buddy.empty()) {
            Described<QLabel>(holder, control.name)
                ->setBuddy(Described<QWidget>(holder, control.buddy));
        }
    }
    return made;
}

void DescribeWindow(QWidget& window, const WindowDescription& description) {
    window.setObjectName(FromUtf8(description.name));
    window.setWindowTitle(FromUtf8(description.title));
    window.setFont(FontOf(description.font));
    if (description.width > 0) {
        window.setFixedSize(description.width, description.height);
    }
}

void BuildControls(QWidget& window, const WindowDescription& description) {
    DescribeWindow(window, description);
    BuildControls(window, description.controls);
}

void ForwardEvents(std::span<QWidget* const> made, QObject& context, ControlEvents& events) {
    for (QWidget* control : made) {
        const std::string name = control->objectName().toStdString();
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QObject::connect(button, &QAbstractButton::clicked, &context,
                             [&events, name] { events.Clicked(name); });
            if (auto* check = qobject_cast<QCheckBox*>(control)) {
                QObject::connect(check, &QCheckBox::toggled, &context,
                                 [&events, name](bool checked) { events.Checked(name, checked); });
            }
        } else if (auto* box = qobject_cast<QComboBox*>(control)) {
            QObject::connect(
                box, &QComboBox::currentTextChanged, &context,
                [&events, name](const QString& text) { events.Changed(name, ToCp1250(text)); });
            if (!box->isEditable()) {
                // Emptied while its entries are replaced: no entry is chosen then.
                QObject::connect(box, &QComboBox::currentIndexChanged, &context,
                                 [&events, name](int index) {
                                     if (index >= 0) {
                                         events.Chosen(name, static_cast<std::size_t>(index));
                                     }
                                 });
            }
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            QObject::connect(
                edit, &QLineEdit::textChanged, &context,
                [&events, name](const QString& text) { events.Changed(name, ToCp1250(text)); });
        }
    }
}

} // namespace zel
