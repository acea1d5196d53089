#include "platform/app_setup.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <cmath>

#include "core/rules/product.h"

namespace {

constexpr char kDesignFamily[] = "MS Sans Serif";
constexpr double kDesignDotsPerInch = 96.0;
constexpr double kPointsPerInch = 72.0;

}  // namespace

// The resources live in a static library; they must be registered by name,
// outside any namespace.
static void InitKorvaneResources() {
    Q_INIT_RESOURCE(korvane);
}

namespace korvane::platform {

void SetUpApplication() {
    InitKorvaneResources();
    // Liberation Sans has Arial's metrics, on which every caption was laid
    // out; DejaVu Sans is wider and would clip.
    QFont::insertSubstitutions(kDesignFamily, {"Liberation Sans", "Arial", "Helvetica"});
    // The windows' own font from the start: no widget is ever made in the
    // desktop's font first, which would load a face only to drop it.
    QApplication::setFont(DefaultWindowFont());
    // One look on every desktop, so the fixed layout fits everywhere.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    // Lets the desktop match the windows to the menu entry.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

void SetApplicationIcon() {
    QApplication::setWindowIcon(ApplicationIcon());
}

QIcon ApplicationIcon() {
    return QIcon(":/korvane/korvane.png");
}

QFont FormFont(double points) {
    QFont font(kDesignFamily);
    font.setPixelSize(static_cast<int>(std::lround(points * kDesignDotsPerInch / kPointsPerInch)));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

QFont DefaultWindowFont() {
    return FormFont(8.25);
}

QFont CaptionFont() {
    return FormFont(9.75);
}

Qt::WindowFlags FixedDialogFlags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

void ApplyDesignFonts(QWidget* window, bool buttonsUseCaptionFont) {
    window->setFont(DefaultWindowFont());
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool caption =
            qobject_cast<QLabel*>(control) != nullptr ||
            qobject_cast<QGroupBox*>(control) != nullptr ||
            qobject_cast<QRadioButton*>(control) != nullptr ||
            (buttonsUseCaptionFont && qobject_cast<QPushButton*>(control) != nullptr);
        control->setFont(caption ? CaptionFont() : DefaultWindowFont());
    }
}

void LayCaptionsBeneathControls(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        label->lower();
    }
}

}  // namespace korvane::platform
