// Whether every caption and list entry fits its control in the fonts that are
// actually drawn, and pictures of the window in its main states for a person
// to look at.
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>

#include "main_window_fixture.h"

namespace korvane {
namespace {

// The part of `control` (in its parent's coordinates) that its container
// does not cut off.
QRect ShownPart(const QWidget* control, const QRect& inner) {
    const QRect container = control->parentWidget()->contentsRect();
    return inner.translated(control->pos()).intersected(container);
}

// A left-aligned caption may run into trailing blanks, a right-aligned one
// into leading blanks: only the drawn characters must fit.
QString DrawnPart(const QString& text, Qt::Alignment alignment) {
    qsizetype first = 0;
    qsizetype last = text.size();
    if (alignment & Qt::AlignLeft) {
        while (last > 0 && text.at(last - 1) == ' ') {
            --last;
        }
    }
    if (alignment & Qt::AlignRight) {
        while (first < last && text.at(first) == ' ') {
            ++first;
        }
    }
    return text.mid(first, last - first);
}

void ExpectLabelFits(const QLabel* label) {
    SCOPED_TRACE(label->objectName().toStdString() + " \"" + label->text().toStdString() + "\"");
    const QFontMetrics metrics(label->font());
    const int indent = std::max(label->indent(), 0);
    const QRect room =
        ShownPart(label, label->contentsRect())
            .adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    const QString drawn = DrawnPart(label->text(), label->alignment());
    EXPECT_LE(metrics.horizontalAdvance(drawn) + indent, room.width());
    EXPECT_LE(metrics.height(), room.height());
}

// Every label's caption in the current state, with the longest figure a
// result label shows in everyday use.
void ExpectAllLabelsFit(FrmSulfite& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isVisibleTo(&window)) {
            ExpectLabelFits(label);
        }
    }
}

TEST_F(MainWindowTest, EveryLabelCaptionFitsItsLabel) {
    ExpectAllLabelsFit(Window());
    Choose(Ui().optTablet);  // the longest unit caption, "tablets"
    ExpectAllLabelsFit(Window());
    Choose(Ui().optSolution);
    ExpectAllLabelsFit(Window());
    // A result of three whole digits still shows whole.
    for (QLabel* result : {Ui().lblExistMolSO2, Ui().lblSO2Requirement, Ui().lblMolSO2Requirement,
                           Ui().lblAddition, Ui().lblAddition2}) {
        result->setText("-999.99");
        ExpectLabelFits(result);
    }
}

TEST_F(MainWindowTest, EveryFrameTitleFitsItsFrame) {
    for (const QGroupBox* frame : Window().findChildren<QGroupBox*>()) {
        SCOPED_TRACE(frame->objectName().toStdString());
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, frame);
        const QFontMetrics metrics(frame->font());
        EXPECT_TRUE(frame->rect().contains(title));
        EXPECT_LE(metrics.horizontalAdvance(frame->title()), title.width());
        EXPECT_LE(metrics.height(), title.height());
    }
}

TEST_F(MainWindowTest, EveryOptionCaptionFitsBesideItsIndicator) {
    for (const QRadioButton* option : Window().findChildren<QRadioButton*>()) {
        SCOPED_TRACE(option->objectName().toStdString());
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        const QRect room =
            option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        const QSize text = QFontMetrics(option->font()).size(Qt::TextShowMnemonic, option->text());
        EXPECT_LE(text.width(), room.width());
        EXPECT_LE(text.height(), room.height());
        EXPECT_TRUE(option->parentWidget()->contentsRect().contains(option->geometry()));
    }
}

TEST_F(MainWindowTest, EveryButtonCaptionFitsInsideItsBevel) {
    for (const QPushButton* button : Window().findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->objectName().toStdString());
        QStyleOptionButton style;
        style.initFrom(button);
        style.text = button->text();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &style, button);
        const QSize text = QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text());
        EXPECT_LE(text.width(), room.width());
        EXPECT_LE(text.height(), room.height());
    }
}

TEST_F(MainWindowTest, EveryListEntryFitsBesideTheDropDownArrow) {
    for (const QComboBox* list : Window().findChildren<QComboBox*>()) {
        QStyleOptionComboBox style;
        style.initFrom(list);
        style.editable = list->isEditable();
        style.frame = list->hasFrame();
        style.subControls = QStyle::SC_All;
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &style,
                                                          QStyle::SC_ComboBoxEditField, list);
        const QFontMetrics metrics(list->font());
        for (int i = 0; i < list->count(); ++i) {
            SCOPED_TRACE(list->objectName().toStdString() + " " + list->itemText(i).toStdString());
            // The entry is drawn one pixel in from each side of the field.
            EXPECT_LE(metrics.horizontalAdvance(list->itemText(i)), field.width() - 2);
            EXPECT_LE(metrics.height(), field.height());
        }
    }
}

// --- Pictures ---------------------------------------------------------------

QString ScreenshotFolder() {
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../screenshots");
}

struct PictureRow {
    const char* file;
    const char* method;  // option to click, or nullptr for the designed state
    const char* target;
    bool calculate;
};

class MainWindowPictureTest : public MainWindowTest,
                              public ::testing::WithParamInterface<PictureRow> {};

TEST_P(MainWindowPictureTest, SavesAPictureOfTheWindow) {
    const PictureRow& row = GetParam();
    ShowActive();
    if (row.method != nullptr) {
        Choose(Window().findChild<QRadioButton*>(row.method));
        Select(Ui().cboForm, kPotassium);
        Select(Ui().cboBatch, kLitres);
        Select(Ui().cboTarget, row.target);
        Put(Ui().txtExistSO2, "10");
        Put(Ui().txtTargetSO2, "40");
        Put(Ui().txtTargetMolSO2, "0.8");
    }
    if (row.calculate) {
        ClickCalculate();
    }
    ASSERT_TRUE(QDir().mkpath(ScreenshotFolder()));
    const QPixmap picture = Window().grab();
    EXPECT_EQ(picture.size(), QSize(510, 310));
    const QString path = QDir(ScreenshotFolder()).absoluteFilePath(row.file);
    EXPECT_TRUE(picture.save(path, "PNG")) << path.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    States, MainWindowPictureTest,
    ::testing::Values(PictureRow{"main_window.png", nullptr, nullptr, false},
                      PictureRow{"main_window_tablet.png", "optTablet", kFreeTarget, true},
                      PictureRow{"main_window_solution.png", "optSolution", kFreeTarget, true},
                      PictureRow{"main_window_molecular.png", "optPowder", kMolecularTarget, true}),
    [](const ::testing::TestParamInfo<PictureRow>& info) {
        std::string name = info.param.file;
        return name.substr(0, name.find('.'));
    });

}  // namespace
}  // namespace korvane
