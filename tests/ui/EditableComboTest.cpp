#include "ui/EditableCombo.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace zel {
namespace {

// What a user meets in a box: its edit field, its list once opened, keys and colours.
struct Traits {
    bool editable = false;
    bool frame = false;
    Qt::ContextMenuPolicy menu = Qt::DefaultContextMenu;
    Qt::FocusPolicy focus = Qt::NoFocus;
    QCompleter::CompletionMode completion = QCompleter::PopupCompletion;
    Qt::CaseSensitivity completionCase = Qt::CaseSensitive;
    QString delegate;
    Qt::ScrollBarPolicy scrollBar = Qt::ScrollBarAlwaysOn;
    bool listShown = false;
    QSize sizeHint;
    int afterDown = -1;
    QString afterTyping;
    QColor faceBase;

    friend bool operator==(const Traits&, const Traits&) = default;
};

Traits TraitsOf(QComboBox& box) {
    Traits traits;
    box.setGeometry(0, 0, 97, 21);
    box.addItems({QStringLiteral("C:"), QStringLiteral("D:"), QStringLiteral("E:")});
    box.show();
    // As the pointer comes to it: the light box makes its edit field then.
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&box, &enter);
    traits.editable = box.isEditable();
    traits.frame = box.lineEdit()->hasFrame();
    traits.menu = box.lineEdit()->contextMenuPolicy();
    traits.focus = box.focusPolicy();
    traits.sizeHint = box.sizeHint();

    QTest::keyClick(&box, Qt::Key_Down);
    traits.afterDown = box.currentIndex();
    if (const QCompleter* completer = box.completer()) {
        traits.completion = completer->completionMode();
        traits.completionCase = completer->caseSensitivity();
    }
    box.lineEdit()->clear();
    QTest::keyClicks(&box, QStringLiteral("e"));
    traits.afterTyping = box.currentText();

    QPalette palette = box.palette();
    palette.setBrush(QPalette::Base, palette.button());
    box.setPalette(palette);
    traits.faceBase = box.lineEdit()->palette().color(QPalette::Base);

    box.showPopup();
    traits.listShown = box.view()->isVisible();
    traits.delegate = QString::fromLatin1(box.itemDelegate()->metaObject()->className());
    traits.scrollBar = box.view()->verticalScrollBarPolicy();
    box.hidePopup();
    return traits;
}

TEST(EditableCombo, LooksAndAnswersAsABoxMadeEditableByQt) {
    QComboBox usual;
    usual.setGeometry(0, 0, 97, 21);
    usual.setEditable(true);
    EditableCombo light;
    light.setGeometry(0, 0, 97, 21);

    const Traits expected = TraitsOf(usual);
    const Traits got = TraitsOf(light);
    EXPECT_TRUE(got.editable);
    EXPECT_EQ(got.completion, QCompleter::InlineCompletion);
    EXPECT_EQ(got.completionCase, Qt::CaseInsensitive);
    EXPECT_TRUE(got.listShown);
    EXPECT_EQ(got.afterDown, 1);
    EXPECT_EQ(got.afterTyping, QStringLiteral("e"));
    EXPECT_EQ(got.delegate, expected.delegate);
    EXPECT_EQ(got.scrollBar, expected.scrollBar);
    EXPECT_EQ(got.faceBase, expected.faceBase);
    EXPECT_EQ(got.sizeHint, expected.sizeHint);
    EXPECT_TRUE(got == expected);
}

// A box makes no edit field until the pointer, the focus or a key comes to it; the user must
// not tell, enabled or not, on the usual base or the button face, with a text wider than the
// field.
TEST(EditableCombo, DrawsItsTextAsItsEditFieldWillUntilItMakesIt) {
    const QStringList drives{QStringLiteral("C: [SYSTEM]"), QStringLiteral("D: [ADAT]"),
                             QStringLiteral("E: [A LABEL WIDER THAN THE BOX]")};
    for (const bool enabled : {true, false}) {
        for (const int chosen : {1, 2}) {
            // The window's font, which the boxes only inherit, is not the application's.
            QWidget page;
            QFont windowFont = page.font();
            windowFont.setPixelSize(windowFont.pixelSize() > 0 ? windowFont.pixelSize() + 5 : 17);
            page.setFont(windowFont);
            page.resize(120, 30);
            auto* usual = new QComboBox(&page);
            usual->setEditable(true);
            auto* light = new EditableCombo(&page);
            for (QComboBox* box : {usual, static_cast<QComboBox*>(light)}) {
                box->setGeometry(0, 0, 97, 21);
                box->addItems(drives);
                box->setCurrentIndex(chosen);
                box->setEnabled(enabled);
                if (!enabled) {
                    QPalette face = box->palette();
                    face.setBrush(QPalette::Base, face.button());
                    box->setPalette(face);
                }
            }
            page.show();
            EXPECT_EQ(light->lineEdit(), nullptr);
            EXPECT_EQ(light->currentText(), drives[chosen]);
            EXPECT_EQ(light->grab().toImage(), usual->grab().toImage()) << enabled << chosen;

            QEvent enter(QEvent::Enter);
            QCoreApplication::sendEvent(light, &enter);
            ASSERT_NE(light->lineEdit(), nullptr);
            EXPECT_TRUE(light->lineEdit()->isVisible());
            EXPECT_EQ(light->lineEdit()->text(), drives[chosen]);
            EXPECT_EQ(light->lineEdit()->geometry(), usual->lineEdit()->geometry());
            EXPECT_EQ(light->grab().toImage(), usual->grab().toImage()) << enabled << chosen;
        }
    }
}

TEST(EditableCombo, TakesKeysAsAnEditableBoxBeforeItIsShown) {
    EditableCombo box;
    box.addItems({QStringLiteral("C:"), QStringLiteral("D:")});
    QSignalSpy changes(&box, &QComboBox::currentTextChanged);
    QTest::keyClicks(&box, QStringLiteral("x"));
    ASSERT_NE(box.lineEdit(), nullptr);
    EXPECT_EQ(box.currentText(), QStringLiteral("C:x"));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(box.EditField(), box.lineEdit());
}

} // namespace
} // namespace zel
