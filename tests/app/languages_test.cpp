// Every language the windows speak: each caption fits its control at the
// fixed sizes, the texts come translated, what is stored stays the same bytes
// as in English, a comma typed where the language writes a decimal comma
// arrives as the decimal point, and pictures of every window per language.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/about_box/frm_about.h"
#include "app/main_window/frm_sulfite.h"
#include "app/settings_dialog/frm_settings.h"
#include "core/rules/user_defaults.h"
#include "platform/translations.h"
#include "support/caption_fit.h"
#include "support/controls.h"
#include "support/fake_desktop.h"

namespace korvane {
namespace {

// The languages besides English: one translators' file each, so that a new
// one is tested as soon as its file is there.
std::vector<std::string> TranslatedLanguages() {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(KORVANE_TRANSLATIONS)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("korvane_") && name.ends_with(".ts")) {
            found.push_back(name.substr(8, name.size() - 8 - 3));
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

const std::vector<std::string> kLanguages = TranslatedLanguages();

void SavePicture(QWidget& window, const QString& language, const QString& file) {
    const QDir folder(QCoreApplication::applicationDirPath() + "/screenshots/" + language);
    ASSERT_TRUE(folder.mkpath("."));
    EXPECT_TRUE(window.grab().save(folder.filePath(file)));
}

// The access keys of a window's push buttons: each must be another letter.
void ExpectDistinctAccessKeys(const QWidget& window) {
    std::set<QChar> keys;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const qsizetype amp = button->text().indexOf('&');
        if (amp >= 0 && amp + 1 < button->text().size()) {
            EXPECT_TRUE(keys.insert(button->text().at(amp + 1).toLower()).second)
                << button->text().toStdString();
        }
    }
}

class LanguageTest : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override { ASSERT_EQ(language_.Language(), Language()); }

    QString Language() const { return QString::fromStdString(GetParam()); }

    platform::UiLanguage language_{QLocale(Language())};
    testing::FakeDesktop desktop_;
};

TEST_P(LanguageTest, EveryWindowShowsItsCaptionsWholeInEveryState) {
    FrmSulfite window(desktop_.context);
    window.show();
    for (const char* target : {"Molecular", "Free"}) {
        Get<QComboBox>(window, "cboTarget")
            ->setCurrentIndex(std::string_view(target) == "Free" ? 0 : 1);
        for (const char* option : {"optTablet", "optSolution", "optPowder"}) {
            Get<QRadioButton>(window, option)->click();
            EXPECT_EQ(testing::CaptionsThatDoNotFit(window), QStringList{}) << option;
        }
    }
    ExpectDistinctAccessKeys(window);
    SavePicture(window, Language(), "main_window.png");

    FrmSettings dialog(desktop_.context, &window);
    dialog.show();
    for (const char* option : {"optTablet", "optSolution", "optPowder"}) {
        Get<QRadioButton>(dialog, option)->click();
        EXPECT_EQ(testing::CaptionsThatDoNotFit(dialog), QStringList{}) << option;
    }
    ExpectDistinctAccessKeys(dialog);
    SavePicture(dialog, Language(), "settings_dialog.png");

    FrmAbout about(desktop_.context, &window);
    about.show();
    EXPECT_EQ(testing::CaptionsThatDoNotFit(about), QStringList{});
    SavePicture(about, Language(), "about_box.png");
}

TEST_P(LanguageTest, CaptionsListsAndWarningsAreTranslated) {
    FrmSulfite window(desktop_.context);
    EXPECT_NE(Get<QPushButton>(window, "cmdCalculate")->text(), "Calculate");
    EXPECT_NE(Get<QComboBox>(window, "cboForm")->itemText(0), "Potassium Metabisulphite");
    Get<QRadioButton>(window, "optTablet")->click();
    EXPECT_NE(window.findChild<QLabel*>("lblAdd")->text(), "tablets");
    // The product name stays as it is.
    EXPECT_EQ(window.windowTitle(), "Korvane");

    Get<QComboBox>(window, "cboForm")->setCurrentIndex(0);
    Get<QLineEdit>(window, "txtBatchSize")->setText("0");
    window.ValidateAndCalculate();
    ASSERT_EQ(desktop_.boxes.Shown().size(), 1U);
    EXPECT_EQ(desktop_.boxes.Shown()[0].text,
              QCoreApplication::translate("korvane", "Batch size must be greater than 0."));
    EXPECT_NE(desktop_.boxes.Shown()[0].text, "Batch size must be greater than 0.");
}

TEST_P(LanguageTest, SavedDefaultsAreTheSameBytesAsInEnglish) {
    QTemporaryDir folder;
    desktop_.context.SetSettingsSavePath((folder.path() + "/settings.cfg").toStdString());
    FrmSulfite window(desktop_.context);
    auto* dialog = new FrmSettings(desktop_.context, &window);
    // Every choice made, the molecular target and the imperial gallon among
    // them.
    Get<QComboBox>(*dialog, "cboForm")->setCurrentIndex(1);
    Get<QRadioButton>(*dialog, "optTablet")->click();
    Get<QComboBox>(*dialog, "cboBatch")->setCurrentIndex(1);
    Get<QLineEdit>(*dialog, "txtSolution")->setText("12");
    Get<QLineEdit>(*dialog, "txtTabWeight")->setText("0.5");
    Get<QLineEdit>(*dialog, "txtBatchSize")->setText("40");
    Get<QComboBox>(*dialog, "cboTarget")->setCurrentIndex(1);
    Get<QPushButton>(*dialog, "cmdOK")->click();

    QFile saved(folder.path() + "/settings.cfg");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const UserDefaults english{"2", "3", "3", "12", "0.5", "40", "Molecular SO2"};
    EXPECT_EQ(saved.readAll().toStdString(), SerializeUserDefaults(english));
}

// The program's own reasons for a failed save are translated too, and stand
// on a line of their own below the message.
TEST_P(LanguageTest, AFailedSaveSaysWhyInTheLanguage) {
    QTemporaryDir folder;
    const QString inTheWay = folder.path() + "/settings.cfg";
    ASSERT_TRUE(QDir().mkdir(inTheWay));
    QTemporaryDir other;
    const QString readOnly = other.path() + "/settings.cfg";
    ASSERT_TRUE(QFile(readOnly).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadUser));
    const auto tr = [](const char* text) { return QCoreApplication::translate("korvane", text); };
    const QString message = tr("Error setting user defaults.\rUsing system defaults.") + '\r';
    const std::pair<std::string, QString> rows[] = {
        {inTheWay.toStdString(), tr("%1 is not a regular file").arg("settings.cfg")},
        {readOnly.toStdString(), tr("%1 is read-only").arg("settings.cfg")},
        {"", tr("No user folder for settings.cfg: HOME is not set to a full path")},
    };
    for (const auto& [path, reason] : rows) {
        desktop_.boxes.Clear();
        desktop_.context.SetSettingsSavePath(path);
        FrmSulfite window(desktop_.context);
        auto* dialog = new FrmSettings(desktop_.context, &window);
        Get<QPushButton>(*dialog, "cmdRestore")->click();
        Get<QPushButton>(*dialog, "cmdOK")->click();
        ASSERT_EQ(desktop_.boxes.Texts(), QStringList{message + reason});
        // Not the English text.
        EXPECT_FALSE(reason.startsWith("No user folder") || reason.endsWith("a regular file") ||
                     reason.endsWith("read-only"))
            << reason.toStdString();
        delete dialog;
    }
}

TEST_P(LanguageTest, ACommaTypedIntoANumberIsItsDecimalPoint) {
    EXPECT_EQ(language_.DecimalKeyOfLanguage(), DecimalKey::CommaToo);
    desktop_.context.SetDecimalKey(language_.DecimalKeyOfLanguage());
    FrmSulfite window(desktop_.context);
    auto* ph = Get<QLineEdit>(window, "txtPh");
    ph->clear();
    QTest::keyClicks(ph, "3,4");
    // The decimal key of the number pad sends the language's separator.
    QTest::keyClick(ph, Qt::Key_Comma, Qt::KeypadModifier);
    EXPECT_EQ(ph->text(), "3.4.");
}

INSTANTIATE_TEST_SUITE_P(WineCountries, LanguageTest, ::testing::ValuesIn(kLanguages));

TEST(UiLanguageTest, OtherLanguagesAndEnglishGetEnglishWithThePeriodOnly) {
    for (const char* locale : {"en_US", "en_GB", "C", "ja_JP", "nl_NL"}) {
        const platform::UiLanguage language{QLocale(QString::fromLatin1(locale))};
        EXPECT_EQ(language.Language(), "") << locale;
        EXPECT_EQ(language.DecimalKeyOfLanguage(), DecimalKey::PeriodOnly) << locale;
        EXPECT_EQ(QCoreApplication::translate("korvane", "Litres"), "Litres") << locale;
    }
    // A country's variant takes its language.
    EXPECT_EQ(platform::UiLanguage(QLocale("pt_BR")).Language(), "pt");
    EXPECT_EQ(platform::UiLanguage(QLocale("de_AT")).Language(), "de");
}

TEST(UiLanguageTest, QtsOwnButtonsComeInTheLanguageToo) {
    const platform::UiLanguage language{QLocale("fr")};
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
}

// --- The translators' sources ------------------------------------------------

struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished;
};

std::vector<Message> ReadTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    QString* text = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("message")) {
                message = {context, {}, {}, true};
            } else if (xml.name() == QLatin1String("source")) {
                text = &message.source;
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value("type").toString();
                message.finished = type.isEmpty();
                text = &message.translation;
            } else if (xml.name() == QLatin1String("byte") && text != nullptr) {
                *text +=
                    QChar(xml.attributes().value("value").toString().mid(1).toInt(nullptr, 16));
            }
        } else if (xml.isCharacters() && text != nullptr) {
            *text += xml.text();
        } else if (xml.isEndElement()) {
            if (xml.name() == QLatin1String("source") ||
                xml.name() == QLatin1String("translation")) {
                text = nullptr;
            } else if (xml.name() == QLatin1String("message")) {
                messages.push_back(message);
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString();
    return messages;
}

TEST(TranslationSourcesTest, EveryTextIsTranslatedAndKeepsItsPlaceholders) {
    EXPECT_FALSE(kLanguages.empty()) << "no translations found in " KORVANE_TRANSLATIONS;
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (const std::string& language : kLanguages) {
        const auto messages = ReadTs(QStringLiteral(KORVANE_TRANSLATIONS) + "/korvane_" +
                                     QString::fromStdString(language) + ".ts");
        EXPECT_GT(messages.size(), 100U) << language;
        for (const Message& m : messages) {
            SCOPED_TRACE(language + " " + m.context.toStdString() + ": " + m.source.toStdString());
            EXPECT_TRUE(m.finished);
            EXPECT_FALSE(m.translation.isEmpty());
            EXPECT_EQ(m.translation.count(placeholder), m.source.count(placeholder));
            EXPECT_EQ(m.translation.count('\r'), m.source.count('\r'));
            EXPECT_EQ(m.translation.count('&'), m.source.count('&'));
        }
    }
}

}  // namespace
}  // namespace korvane
