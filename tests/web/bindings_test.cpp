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

// The page's entry points, plain C functions.
extern "C" {
const char* korvane_calculate(const char* dose, int answered);
const char* korvane_existing_molecular(const char* ph, const char* existing);
const char* korvane_choice_state(const char* method, const char* targetKind);
const char* korvane_choice_word(const char* column, const char* text);
const char* korvane_spin(const char* field, const char* text, int barValue);
int korvane_filter_key(int code, int commaToo);
const char* korvane_defaults(const char* stored);
const char* korvane_save_defaults(const char* defaults);
const char* korvane_batch(const char* bytes, std::size_t size, const char* fileName,
                          const char* options, std::size_t rowsShown);
const char* korvane_batch_output();
std::size_t korvane_batch_output_size();
}

namespace korvane::web {
namespace {

// A JSON text, and what its member "a" reads as; none where it is no JSON.
struct StringCase {
    const char* name;
    std::string_view json;
    std::optional<std::string_view> text = std::nullopt;
};

// What a row shows of itself in a test's name and a failure.
void PrintTo(const StringCase& row, std::ostream* out) {
    *out << row.name;
}

class PageJsonStrings : public testing::TestWithParam<StringCase> {};

TEST_P(PageJsonStrings, ReadAsTheCharactersTheyStandForOrAreRefused) {
    const std::optional<JsonValue> value = ReadJson(GetParam().json);
    ASSERT_EQ(value.has_value(), GetParam().text.has_value());
    if (value) {
        EXPECT_EQ(value->StringMember("a"), GetParam().text);
    }
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
                   .text = "y"},
        StringCase{.name = "Empty", .json = ""},
        StringCase{.name = "Unclosed", .json = R"({"a":"x")"},
        StringCase{.name = "UnclosedString", .json = R"({"a":"x})"},
        StringCase{.name = "NoValue", .json = R"({"a":})"},
        StringCase{.name = "NoColon", .json = R"({"a" "x"})"},
        StringCase{.name = "TrailingComma", .json = R"({"a":"x",})"},
        StringCase{.name = "KeyNotAString", .json = R"({a:"x"})"},
        StringCase{.name = "SomethingAfter", .json = R"({"a":"x"} {})"},
        StringCase{.name = "ShortUnicodeEscape", .json = R"(["\u12"])"},
        StringCase{.name = "UnknownEscape", .json = R"(["\x41"])"},
        StringCase{.name = "RawControlCharacter", .json = "[\"a\nb\"]"},
        StringCase{.name = "LeadingZero", .json = "01"},
        StringCase{.name = "BareMinus", .json = "-"},
        StringCase{.name = "NoFraction", .json = "1."},
        StringCase{.name = "NoExponent", .json = "1e+"},
        StringCase{.name = "CutWord", .json = "tru"},
        StringCase{.name = "NestedTooDeep",
                   .json = "[[[[[[[[[[[[[[[[[[[[[[[[[[[[[["
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

// A dose as the page sends it, under the names of the core's columns; the
// wine's own may be left out, as they are here.
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

// The wine's figures and the regime reach the core: every question in the
// order the page asks them, the over-limit one in the page's language. The
// browser tests show the figures the page then shows.
TEST(PageCalculation, TheWineIsCheckedAgainstTheRegimeInThePageLanguage) {
    const std::string wine = R"(,"total_so2":"121","colour":"red","sugar":"2","style":"",)"
                             R"("binding_factor":"3","regime":"eu","texts":{"EU":"UE"}})";
    std::string sent = Dose("1.5");
    sent.pop_back();
    sent += wine;
    const std::string asked = CalculationJson(sent, false);
    // The sheet's questions first, then the wine's.
    const std::size_t sheets = asked.find(R"("questions":[{"field":"ph",)");
    const std::size_t wines = asked.find(
        R"({"field":"binding_factor","text":"Binding factor appears high. Are you sure it is )"
        R"(correct?"},{"field":"total_so2","text":"Total SO2 would reach 211 mg/L, above the )"
        R"(150 mg/L UE limit for a dry red. Are you sure it is correct?","over_limit":true}]})");
    EXPECT_LT(sheets, wines) << asked;
    EXPECT_NE(wines, std::string::npos) << asked;
    // Answered: the wine's figures, and what a file's row says of its limit
    // left to the basis beside the limit.
    const std::string answered = CalculationJson(sent, true);
    EXPECT_NE(answered.find(R"("status":"ok","message":"")"), std::string::npos) << answered;
    EXPECT_NE(answered.find(R"("over_limit":true})"), std::string::npos) << answered;
    // A limit of one's own that is no number of mg/L is refused at its field.
    sent.replace(sent.find(R"("121")"), 5, R"("121","limit":"0")");
    EXPECT_NE(CalculationJson(sent, true)
                  .find(R"("message":"The limit must be a number of mg/L )"
                        R"(above 0 and up to 1000000.","field":"limit")"),
              std::string::npos);
    // Without any of them the answer is the window's alone.
    EXPECT_EQ(CalculationJson(Dose(), true).find("wine"), std::string::npos);
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

// What the page calls, as it calls it: a JSON object or the texts of its
// fields in, the answer it shows out. Each answer is copied as the call
// returns, since the next call to the same function reuses its room.
struct PageCall {
    const char* call;
    std::string answer;
    std::string expected;
};

TEST(PageBindings, AnswerEachCallOfThePage) {
    const std::string dose = Dose();
    // 30 mg/L in 23 litres: 1.19 g of potassium metabisulphite.
    const std::string workedAnswer =
        R"({"status":"ok","message":"","figures":{"molecular_so2":"0.20","target_free_so2":"40",)"
        R"("target_molecular_so2":"0.78","so2_requirement":"30.00",)"
        R"("molecular_so2_requirement":"0.59","amount":"1.19","amount_unit":"g",)"
        R"("teaspoons":"0.19"}})";
    const std::string reversed =
        R"({"target":"40","target_kind":"free","tablet_g":"0.44","solution_pct":"10",)"
        R"("method":"powder","form":"potassium","unit":"litres","batch_size":"23",)"
        R"("free_so2":"10","ph":"3.5"})";
    const std::string noTarget = Dose("3.5", "target");
    std::string quoted = noTarget;  // as the message quotes it
    for (std::size_t at = 0; (at = quoted.find('"', at)) != std::string::npos; at += 2) {
        quoted.insert(at, 1, '\\');
    }
    const std::string csv = "tank,ph,free_so2,batch_size\nT1,3.5,10,100\nT2,x,10,100\n";
    const std::string options = R"({"sheet":)" + Dose("") + "}";
    const char* const stored =
        "\"2\"\r\n\"3\"\r\n\"1\"\r\n\"12\"\r\n\"0.5\"\r\n\"40\"\r\n"
        "\"Molecular SO2\"\r\n";
    const std::string builtIn =
        R"({"form":"potassium","method":"powder","unit":"us-gal","solution_pct":"10",)"
        R"("tablet_g":"0.44","batch_size":"5","target_kind":"free",)";
    // What the fields hold before the defaults apply.
    const std::string opening =
        R"("opening":{"ph":"3.5","free_so2":"0.00","batch_size":"23","tablet_g":"0.44",)"
        R"("solution_pct":"10","target_free":"0.00","target_molecular":"0.00"})";
    // clang-format off
    const PageCall calls[] = {
        {.call = "calculate", .answer = korvane_calculate(dose.c_str(), 0),
         .expected = workedAnswer},
        // Read by the names of its columns, not by their places.
        {.call = "calculate in another order", .answer = korvane_calculate(reversed.c_str(), 0),
         .expected = workedAnswer},
        {.call = "calculate a check that fails",
         .answer = korvane_calculate(Dose("15").c_str(), 0),
         .expected = R"({"status":"error","message":"pH must be between 1 and 14.","field":"ph"})"},
        {.call = "calculate a question", .answer = korvane_calculate(Dose("1.5").c_str(), 0),
         .expected = R"({"status":"question","message":"pH appears low. Are you sure it is )"
                     R"(correct?","questions":[{"field":"ph","text":"pH appears low. Are you )"
                     R"(sure it is correct?"},{"field":"target_free","text":"Molecular SO2 )"
                     R"(target appears high. Are you sure it is correct?"}]})"},
        {.call = "calculate the question answered",
         .answer = korvane_calculate(Dose("1.5").c_str(), 1),
         .expected = R"({"status":"ok","message":"","figures":{"molecular_so2":"6.66",)"
                     R"("target_free_so2":"40","target_molecular_so2":"26.65",)"
                     R"("so2_requirement":"30.00","molecular_so2_requirement":"19.98",)"
                     R"("amount":"1.19","amount_unit":"g",)"
                     R"("teaspoons":"0.19"}})"},
        // Anything but the texts of a dose is the page's own fault.
        {.call = "calculate no target", .answer = korvane_calculate(noTarget.c_str(), 0),
         .expected = R"({"status":"error","message":"The page sent )" + quoted +
                     R"(, not the texts of a dose.","field":"form"})"},
        {.call = "calculate a number", .answer = korvane_calculate(R"({"ph":3.5})", 0),
         .expected = R"({"status":"error","message":"The page sent {\"ph\":3.5}, not the texts )"
                     R"(of a dose.","field":"form"})"},
        {.call = "calculate nothing", .answer = korvane_calculate(nullptr, 0),
         .expected = R"({"status":"error","message":"The page sent , not the texts of a dose.",)"
                     R"("field":"form"})"},
        {.call = "existing molecular", .answer = korvane_existing_molecular("3.5", "10"),
         .expected = R"(0.20)"},
        {.call = "existing molecular of no pH", .answer = korvane_existing_molecular("", "10"),
         .expected = R"(9.84)"},
        {.call = "choice state", .answer = korvane_choice_state("tablet", "molecular"),
         .expected = R"({"solution":false,"tablet":true,"teaspoons":false,)"
                     R"("amount_unit":"tablets","teaspoon_unit":"","target_free":false,)"
                     R"("target_molecular":true})"},
        {.call = "choice state", .answer = korvane_choice_state("solution", "free"),
         .expected = R"({"solution":true,"tablet":false,"teaspoons":true,"amount_unit":"ml",)"
                     R"("teaspoon_unit":"tsp","target_free":true,"target_molecular":false})"},
        {.call = "choice word", .answer = korvane_choice_word("colour", "Bianco"),
         .expected = R"(white)"},
        {.call = "choice word of a figure", .answer = korvane_choice_word("ph", "3.5"),
         .expected = ""},
        {.call = "spin up", .answer = korvane_spin("ph", "3.5", -1), .expected = R"(3.6)"},
        {.call = "spin down", .answer = korvane_spin("batch_size", "0", 1), .expected = R"(0)"},
        {.call = "spin a field without arrows", .answer = korvane_spin("tank", "3.5", -1),
         .expected = R"(3.5)"},
        {.call = "filter a comma", .answer = std::to_string(korvane_filter_key(',', 1)),
         .expected = R"(46)"},
        {.call = "filter a comma, period only",
         .answer = std::to_string(korvane_filter_key(',', 0)), .expected = R"(0)"},
        {.call = "defaults built in", .answer = korvane_defaults(nullptr),
         .expected = builtIn + R"("broken":false,)" + opening + "}"},
        {.call = "defaults stored", .answer = korvane_defaults(stored),
         .expected = R"({"form":"sodium","method":"tablet","unit":"litres","solution_pct":"12",)"
                     R"("tablet_g":"0.5","batch_size":"40","target_kind":"molecular",)"
                     R"("broken":false,)" + opening + "}"},
        {.call = "defaults broken", .answer = korvane_defaults("\"2\"\r\n"),
         .expected = builtIn + R"("broken":true,)" + opening +
                     R"(,"message":"User default settings not found.\u000dLoading system )"
                     R"(defaults."})"},
        {.call = "save defaults", .answer = korvane_save_defaults(
             R"({"form":"sodium","method":"tablet","unit":"litres","solution_pct":"12",)"
             R"("tablet_g":"0.5","batch_size":"40","target_kind":"molecular"})"),
         .expected = R"({"record":"\"2\"\u000d\u000a\"3\"\u000d\u000a\"1\"\u000d\u000a)"
                     R"(\"12\"\u000d\u000a\"0.5\"\u000d\u000a\"40\"\u000d\u000a)"
                     R"(\"Molecular SO2\"\u000d\u000a"})"},
        {.call = "save defaults that fail a check", .answer = korvane_save_defaults(
             R"({"form":"sodium","method":"tablet","unit":"litres","solution_pct":"12",)"
             R"("tablet_g":"","batch_size":"40","target_kind":"molecular"})"),
         .expected = R"({"field":"tablet_g","message":"Please enter tablet weight."})"},
        // A member missing or not a text saves nothing.
        {.call = "save a part", .answer = korvane_save_defaults(R"({"form":"sodium"})"),
         .expected = R"({"message":"The page sent no defaults."})"},
        {.call = "save a list", .answer = korvane_save_defaults(R"(["sodium"])"),
         .expected = R"({"message":"The page sent no defaults."})"},
        {.call = "batch", .answer = korvane_batch(csv.data(), csv.size(), "tanks.csv",
                                                 options.c_str(), 10),
         .expected = R"({"headers":["tank","ph","free_so2","batch_size"],"columns":{"ph":"ph",)"
                     R"("free_so2":"free_so2","batch_size":"batch_size","unit":null,"form":null,)"
                     R"("method":null,"solution_pct":null,"tablet_g":null,"target_kind":null,)"
                     R"("target":null,"total_so2":null,"colour":null,"sugar":null,"style":null,)"
                     R"("binding_factor":null},"fromForm":["unit","form","method","solution_pct",)"
                     R"("tablet_g","target_kind","target"],"rows":[{"line":2,"tank":"T1",)"
                     R"("amount":"5.20",)"
                     R"("unit":"g","status":"ok","message":""},{"line":3,"tank":"T2","amount":"",)"
                     R"("unit":"","status":"error","message":"pH must be numeric: \"x\".",)"
                     R"("message_text":"pH must be numeric.","message_value":"x"}],)"
                     R"("summary":"2 rows: 1 ok, 0 no addition, 0 questions, 1 error, 0 blank. )"
                     R"(Not calculated: line 3.","counts":{"rows":2,"ok":1,"no_addition":0,)"
                     R"("question":0,"error":1,"blank":0},)"
                     R"("uncalculated":[3],"windows1252":false,"wine":false})"},
        {.call = "batch output",
         .answer = std::string(korvane_batch_output(), korvane_batch_output_size()),
         .expected = "tank,ph,free_so2,batch_size,molecular_so2,target_free_so2,"
                     "target_molecular_so2,so2_requirement,molecular_so2_requirement,amount,"
                     "amount_unit,teaspoons,status,message\n"
                     "T1,3.5,10,100,0.20,40,0.78,30.00,0.59,5.20,g,0.84,ok,\n"
                     "T2,x,10,100,,,,,,,,,error,\"pH must be numeric: \"\"x\"\".\"\n"},
        {.call = "batch without a sheet", .answer = korvane_batch(csv.data(), csv.size(),
             "tanks.csv", R"({"decimal_mark":"comma"})", 10),
         .expected = R"({"problem":"The page sent no batch options."})"},
    };
    // clang-format on
    for (const PageCall& row : calls) {
        EXPECT_EQ(row.answer, row.expected) << row.call;
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

// A file's wine columns, the regime and the form's binding factor give the
// rows the wine's three figures; without any of them the rows have none.
TEST(PageBatch, TheWineColumnsComeWithTheWineInputs) {
    const std::string csv =
        "tank,ph,free_so2,batch_size,total_so2\nT1,3.5,10,100,200\nT2,3.5,10,100,400\n";
    std::string form = Dose("");
    form.replace(form.find(R"("free_so2")"), 10, R"("binding_factor":"1.5","free_so2")");
    const std::string wine =
        Batch(csv, R"({"sheet":)" + form + R"(,"regime":"us","texts":{"US":"EEUU"}})");
    EXPECT_NE(wine.find(R"("so2_added":"45.00","projected_total_so2":"245.00",)"
                        R"("total_so2_limit":"350","over_limit":false})"),
              std::string::npos)
        << wine;
    EXPECT_NE(wine.find(R"("wine":true)"), std::string::npos) << wine;
    // The over-limit question in the page's language on the page, English in the CSV.
    EXPECT_NE(wine.find(R"("message_shown":"Total SO2 would reach 445 mg/L, above the 350 mg/L )"
                        R"(EEUU limit)"),
              std::string::npos)
        << wine;
    EXPECT_NE(wine.find(",\"Total SO2 would reach 445 mg/L, above the 350 mg/L US limit"),
              std::string::npos)
        << wine;
    EXPECT_NE(wine.find(",so2_added,projected_total_so2,total_so2_limit\n"), std::string::npos);
    const std::string plain =
        Batch("tank,ph,free_so2,batch_size\nT1,3.5,10,100\n", R"({"sheet":)" + Dose("") + "}");
    EXPECT_EQ(plain.find("so2_added"), std::string::npos) << plain;
    EXPECT_NE(plain.find(R"("wine":false)"), std::string::npos) << plain;
    // A limit typed that is no limit is said, and nothing is run.
    EXPECT_EQ(Batch(csv, R"({"sheet":)" + form + R"(,"limit":"-3"})"),
              "{\"problem\":\"The limit must be a number of mg/L above 0 and up to 1000000.\"}\n");
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
    ASSERT_EQ(columns.items.size(), kDoseColumnCount);
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        EXPECT_EQ(columns.items[c].text, kDoseColumnNames[c]);
    }
    const JsonValue& choices = *tables->Member("choices");
    ExpectWords(*choices.Member("form"), kSulphiteForms);
    ExpectWords(*choices.Member("method"), kAdditionMethods);
    ExpectWords(*choices.Member("unit"), kUnitWords);
    ExpectWords(*choices.Member("target_kind"), kTargetKinds);
    ExpectWords(*choices.Member("regime"), kRegimeWords);
    const JsonValue& potassium = choices.Member("form")->items[0];
    EXPECT_EQ(potassium.StringMember("text"), RowOf(kSulphiteForms, SulphiteForm::Potassium).text);
    EXPECT_EQ(potassium.StringMember("context"), "korvane");
    // The option buttons have captions of their own.
    EXPECT_EQ(choices.Member("method")->items[0].Member("text"), nullptr);
    // The page words in full what the window's list abbreviates or lacks.
    const std::vector<JsonValue>& units = choices.Member("unit")->items;
    for (const auto& [index, text] : {std::pair{0, "US gallons"}, std::pair{1, "Imperial gallons"},
                                      std::pair{3, "Hectolitres"}}) {
        EXPECT_EQ(units[index].StringMember("text"), text) << index;
        EXPECT_EQ(units[index].StringMember("context"), "Web") << index;
    }
    EXPECT_EQ(units[2].StringMember("text"), RowOf(kBatchUnits, BatchUnit::Litre).text);
}

}  // namespace
}  // namespace korvane::web
