// The bindings the page calls, natively: what they read of the JSON objects
// the page sends, and what they answer. The browser tests show the same
// calls reaching the page; these rows show each way a request can be wrong.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "core/cellar/choice_words.h"
#include "core/cellar/dose_calculation.h"
#include "core/rules/choices.h"
#include "web/json_reader.h"
#include "web/page_batch.h"
#include "web/page_calculation.h"
#include "web/page_defaults.h"
#include "web/page_tables.h"

namespace korvane::web {
namespace {

struct StringCase {
    const char* name;
    std::string_view json;
    std::string_view text;  // what the member "a" reads as
};

// What a row shows of itself in a test's name and a failure.
void PrintTo(const StringCase& row, std::ostream* out) {
    *out << row.name;
}

class PageJsonStrings : public testing::TestWithParam<StringCase> {};

TEST_P(PageJsonStrings, ReadAsTheCharactersTheyStandFor) {
    const std::optional<JsonValue> value = ReadJson(GetParam().json);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->StringMember("a"), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PageJsonStrings,
    testing::Values(
        StringCase{.name = "Plain", .json = R"({"a":"3.5"})", .text = "3.5"},
        StringCase{.name = "BlanksAround", .json = " \r\n\t{ \"a\" : \"x\" } \n", .text = "x"},
        StringCase{.name = "ShortEscapes",
                   .json = R"({"a":"\"\\\/\b\f\n\r\t"})",
                   .text = "\"\\/\b\f\n\r\t"},
        StringCase{.name = "UnicodeEscapes",
                   .json = R"({"a":"\u00e9\u00C9\u20ac"})",
                   .text = "\xC3\xA9\xC3\x89\xE2\x82\xAC"},
        StringCase{
            .name = "SurrogatePair", .json = R"({"a":"\ud83c\udf47"})", .text = "\xF0\x9F\x8D\x87"},
        // JSON.stringify writes a lone surrogate as an escape; TextEncoder
        // would have sent U+FFFD.
        StringCase{.name = "LoneSurrogates",
                   .json = R"({"a":"\ud800x\udc00\ud800\u0041"})",
                   .text = "\xEF\xBF\xBDx\xEF\xBF\xBD\xEF\xBF\xBD"
                           "A"},
        StringCase{
            .name = "RawUtf8", .json = "{\"a\":\"Cuve n\xC2\xB0 1\"}", .text = "Cuve n\xC2\xB0 1"},
        StringCase{.name = "LastOfTwoWins", .json = R"({"a":"1","a":"2"})", .text = "2"},
        StringCase{.name = "AmongOtherValues",
                   .json = R"({"n":-1.5e+3,"b":[true,false,null,{}],"a":"y","o":{"a":"z"}})",
                   .text = "y"}),
    [](const auto& info) { return info.param.name; });

struct PageNotJsonCase {
    const char* name;
    std::string_view text;
};

void PrintTo(const PageNotJsonCase& row, std::ostream* out) {
    *out << row.name;
}

class PageNotJson : public testing::TestWithParam<PageNotJsonCase> {};

TEST_P(PageNotJson, IsRefused) {
    EXPECT_FALSE(ReadJson(GetParam().text).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PageNotJson,
    testing::Values(PageNotJsonCase{.name = "Empty", .text = ""},
                    PageNotJsonCase{.name = "Unclosed", .text = R"({"a":"x")"},
                    PageNotJsonCase{.name = "UnclosedString", .text = R"({"a":"x})"},
                    PageNotJsonCase{.name = "NoValue", .text = R"({"a":})"},
                    PageNotJsonCase{.name = "NoColon", .text = R"({"a" "x"})"},
                    PageNotJsonCase{.name = "TrailingComma", .text = R"({"a":"x",})"},
                    PageNotJsonCase{.name = "KeyNotAString", .text = R"({a:"x"})"},
                    PageNotJsonCase{.name = "SomethingAfter", .text = R"({"a":"x"} {})"},
                    PageNotJsonCase{.name = "ShortUnicodeEscape", .text = R"(["\u12"])"},
                    PageNotJsonCase{.name = "UnknownEscape", .text = R"(["\x41"])"},
                    PageNotJsonCase{.name = "RawControlCharacter", .text = "[\"a\nb\"]"},
                    PageNotJsonCase{.name = "LeadingZero", .text = "01"},
                    PageNotJsonCase{.name = "BareMinus", .text = "-"},
                    PageNotJsonCase{.name = "NoFraction", .text = "1."},
                    PageNotJsonCase{.name = "NoExponent", .text = "1e+"},
                    PageNotJsonCase{.name = "CutWord", .text = "tru"},
                    PageNotJsonCase{.name = "NestedTooDeep",
                                    .text = "[[[[[[[[[[[[[[[[[[[[[[[[[[[[[["
                                            "[[[[[[[[]]]]]]]]]]]]]]]]]]]]]]]"
                                            "]]]]]]]]]]]]]]]"}),
    [](const auto& info) { return info.param.name; });

TEST(PageJsonValue, MembersOfTheRightKindOnly) {
    const std::optional<JsonValue> value = ReadJson(R"({"s":"true","t":true,"f":false,"o":{}})");
    ASSERT_TRUE(value.has_value());
    EXPECT_TRUE(value->TrueMember("t"));
    EXPECT_FALSE(value->TrueMember("s"));
    EXPECT_FALSE(value->TrueMember("f"));
    EXPECT_EQ(value->StringMember("t"), std::nullopt);
    EXPECT_EQ(value->StringMember("missing"), std::nullopt);
    EXPECT_EQ(value->Member("o")->Member("s"), nullptr);
    EXPECT_EQ(ReadJson(R"(["s"])")->Member("s"), nullptr);  // an array has no members
}

// A dose as the page sends it, under the names of the core's columns: the
// form has fields for those of every dose only.
std::string Dose(std::string_view ph = "3.5", std::string_view skip = "") {
    const std::array<const char*, kDoseColumnsOfEveryDose> texts = {
        "", "10", "23", "litres", "potassium", "powder", "10", "0.44", "free", "40"};
    std::string json = "{";
    for (std::size_t c = 0; c < kDoseColumnsOfEveryDose; ++c) {
        if (kDoseColumnNames[c] == skip) {
            continue;
        }
        json += json.size() > 1 ? "," : "";
        json += std::string("\"") + kDoseColumnNames[c] + "\":\"" +
                std::string(c == 0 ? ph : texts[c]) + "\"";
    }
    return json + "}";
}

TEST(PageCalculation, ReadsTheDoseByTheNamesOfItsColumns) {
    const std::string answer = CalculationJson(Dose(), false);
    EXPECT_NE(answer.find(R"("status":"ok")"), std::string::npos) << answer;
    EXPECT_NE(answer.find(R"("amount":")"), std::string::npos) << answer;
    // Under the name, not in the place: the same texts in another order.
    const std::string reversed =
        R"({"target":"40","target_kind":"free","tablet_g":"0.44","solution_pct":"10",)"
        R"("method":"powder","form":"potassium","unit":"litres","batch_size":"23",)"
        R"("free_so2":"10","ph":"3.5"})";
    EXPECT_EQ(CalculationJson(reversed, false), answer);
    EXPECT_NE(CalculationJson(Dose("3.6"), false), answer);
}

TEST(PageCalculation, AnythingButADoseIsThePageFault) {
    for (const std::string& sent :
         {Dose("3.5", "target"), Dose("3.5", "ph"), std::string(R"({"ph":3.5})"),
          std::string("3.5,10"), std::string()}) {
        const std::string answer = CalculationJson(sent, false);
        EXPECT_NE(answer.find(R"("status":"error")"), std::string::npos) << sent;
        EXPECT_NE(answer.find("not the texts of a dose."), std::string::npos) << sent;
        EXPECT_NE(answer.find(R"("field":"form")"), std::string::npos) << sent;
    }
}

TEST(PageDefaults, SavedUnderTheNamesTheyAreShownWith) {
    const std::string shown = DefaultsJson(std::nullopt);
    // What the page shows is what it may send back, the extra members aside.
    const std::string saved = SavedDefaultsJson(shown);
    ASSERT_NE(saved.find(R"({"record":")"), std::string::npos) << saved;
    const std::optional<JsonValue> record = ReadJson(saved);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(DefaultsJson(std::string(*record->StringMember("record"))), shown);

    const std::string hectolitres =
        R"({"form":"sodium","method":"tablet","unit":"hl","solution_pct":"10",)"
        R"("tablet_g":"0.5","batch_size":"12","target_kind":"molecular"})";
    const std::optional<JsonValue> kept = ReadJson(SavedDefaultsJson(hectolitres));
    const std::optional<JsonValue> again =
        ReadJson(DefaultsJson(std::string(*kept->StringMember("record"))));
    for (const char* name : {"form", "method", "unit", "tablet_g", "batch_size", "target_kind"}) {
        EXPECT_EQ(again->StringMember(name), ReadJson(hectolitres)->StringMember(name)) << name;
    }
}

TEST(PageDefaults, AMissingOrWrongMemberSavesNothing) {
    for (const char* sent : {R"({"form":"sodium"})", "", R"(["sodium"])",
                             R"({"form":"potassium","method":"powder","unit":"litres",)"
                             R"("solution_pct":10,"tablet_g":"0.44","batch_size":"5",)"
                             R"("target_kind":"free"})"}) {
        EXPECT_EQ(SavedDefaultsJson(sent), R"({"message":"The page sent no defaults."})") << sent;
    }
}

std::string Batch(std::string_view csv, std::string_view options) {
    std::string output;
    return BatchJson(csv, "tanks.csv", options, 10, output) + "\n" + output;
}

TEST(PageBatch, OptionsByName) {
    const std::string csv = "Tank,Acidity,free_so2,batch_size\nT1,\"3,5\",10,100\n";
    const std::string sheet = R"("sheet":)" + Dose("");
    // The header the user chose for pH, and a decimal comma.
    const std::string named =
        Batch(csv, "{" + sheet +
                       R"(,"decimal_mark":"comma","answer_yes":false,"headers":{"ph":"Acidity"}})");
    EXPECT_NE(named.find(R"("ph":"Acidity")"), std::string::npos) << named;
    EXPECT_NE(named.find(R"("status":"ok")"), std::string::npos) << named;
    // Without the header's name the file has no pH column.
    const std::string unnamed = Batch(csv, "{" + sheet + R"(,"headers":{}})");
    EXPECT_NE(unnamed.find(R"("problem":"tanks.csv has no column ph)"), std::string::npos)
        << unnamed;
    // A name that is no column's, or a header that is not a text, names nothing.
    const std::string odd = Batch(csv, "{" + sheet + R"(,"headers":{"acid":"Acidity","ph":1}})");
    EXPECT_NE(odd.find(R"("problem":"tanks.csv has no column ph)"), std::string::npos) << odd;
}

// A file's own target column is read with a kind the file or the user names,
// never with the form's (the browser test shows the doses that come of it).
TEST(PageBatch, AFileTargetTakesNoKindFromTheForm) {
    std::string form = Dose("");
    form.replace(form.find(R"("free")"), 6, R"("molecular")");
    const std::string sheet = R"({"sheet":)" + form;
    const std::string noKind = "tank,ph,free_so2,batch_size,target\nT1,3.5,10,100,40\n";
    for (const char* kind : {"", R"(,"file_target_kind":"mg/L")"}) {
        const std::string refused = Batch(noKind, sheet + kind + "}");
        EXPECT_NE(refused.find("has a target column but no target_kind column"), std::string::npos)
            << refused;
        EXPECT_EQ(refused.back(), '\n') << "nothing to download";
    }
    const std::string named = Batch(noKind, sheet + R"(,"file_target_kind":"free"})");
    EXPECT_NE(named.find(R"("status":"ok")"), std::string::npos) << named;
}

TEST(PageBatch, NoSheetNoBatch) {
    for (const char* sent : {"", R"({"decimal_mark":"comma"})", R"({"sheet":{"ph":"3.5"}})"}) {
        EXPECT_EQ(Batch("ph\n3.5\n", sent), "{\"problem\":\"The page sent no batch options.\"}\n")
            << sent;
    }
}

// The unit a size's header names is told by its word, for the register that
// keeps it with each tank; a unit column or no unit tells none.
TEST(PageBatch, TheSizeHeadersUnit) {
    const std::string sheet = R"({"sheet":)" + Dose("") + "}";
    const struct {
        const char* header;
        const char* told;
    } rows[] = {
        {.header = "Volume (hL)", .told = R"("size_unit":"hl")"},
        {.header = "Volume (US gal)", .told = R"("size_unit":"us-gal")"},
        {.header = "Volume", .told = nullptr},
    };
    for (const auto& row : rows) {
        const std::string answer =
            Batch(std::string("tank,ph,free_so2,") + row.header + "\nT1,3.5,10,10\n", sheet);
        if (row.told != nullptr) {
            EXPECT_NE(answer.find(row.told), std::string::npos) << answer;
        } else {
            EXPECT_EQ(answer.find("size_unit"), std::string::npos) << answer;
        }
    }
}

template <typename Row, std::size_t N>
void ExpectWords(const JsonValue& list, const std::array<Row, N>& table) {
    ASSERT_EQ(list.items.size(), N);
    for (std::size_t i = 0; i < N; ++i) {
        EXPECT_EQ(list.items[i].StringMember("word"), table[i].word) << i;
    }
}

TEST(PageTables, AreTheCoreTables) {
    const std::optional<JsonValue> tables = ReadJson(PageTablesJson());
    ASSERT_TRUE(tables.has_value());
    const JsonValue& columns = *tables->Member("dose_columns");
    ASSERT_EQ(columns.items.size(), kDoseColumnsOfEveryDose);
    for (std::size_t c = 0; c < kDoseColumnsOfEveryDose; ++c) {
        EXPECT_EQ(columns.items[c].text, kDoseColumnNames[c]);
    }
    const JsonValue& choices = *tables->Member("choices");
    ExpectWords(*choices.Member("form"), kSulphiteForms);
    ExpectWords(*choices.Member("method"), kAdditionMethods);
    ExpectWords(*choices.Member("unit"), kUnitWords);
    ExpectWords(*choices.Member("target_kind"), kTargetKinds);
    const JsonValue& potassium = choices.Member("form")->items[0];
    EXPECT_EQ(potassium.StringMember("text"), RowOf(kSulphiteForms, SulphiteForm::Potassium).text);
    EXPECT_EQ(potassium.StringMember("context"), "korvane");
    // The option buttons have captions of their own.
    EXPECT_EQ(choices.Member("method")->items[0].Member("text"), nullptr);
    const JsonValue& hectolitres = choices.Member("unit")->items.back();
    EXPECT_EQ(hectolitres.StringMember("text"), "Hectolitres");
    EXPECT_EQ(hectolitres.StringMember("context"), "Web");
}

}  // namespace
}  // namespace korvane::web
