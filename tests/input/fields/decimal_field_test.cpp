// The dialogs' one decimal reader: a text is wholly one number, an empty text
// is 0, and everything else is refused with a message that names the field.
#include "input/fields/decimal_field.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    std::string text;
    DecimalText kind;
    double value;
};

TEST(ReadDecimalText, WholeNumbersDigitGroupsOrRefusal) {
    const Case cases[] = {
        {"", DecimalText::kNumber, 0.0},
        {"   ", DecimalText::kNumber, 0.0},
        {" 12 ", DecimalText::kNumber, 12.0},
        {"+5", DecimalText::kNumber, 5.0},
        {".5", DecimalText::kNumber, 0.5},
        {"5.", DecimalText::kNumber, 5.0},
        {"-3e2", DecimalText::kNumber, -300.0},
        {"1E-3", DecimalText::kNumber, 0.001},
        {"10,760", DecimalText::kNumber, 10760.0},
        {"-1,234,567.25", DecimalText::kNumber, -1234567.25},
        {"1,000.", DecimalText::kNumber, 1000.0},
        {"1e-999", DecimalText::kNumber, 0.0},  // an underflow reads as 0
        {"2,5", DecimalText::kNotANumber, 0.0},
        {"1,2345", DecimalText::kNotANumber, 0.0},
        {"1234,567", DecimalText::kNotANumber, 0.0},
        {",123", DecimalText::kNotANumber, 0.0},
        {"1,234e3", DecimalText::kNotANumber, 0.0},
        {"12.5 mg/L", DecimalText::kNotANumber, 0.0},
        {"1 2", DecimalText::kNotANumber, 0.0},
        {"1e", DecimalText::kNotANumber, 0.0},
        {"-", DecimalText::kNotANumber, 0.0},
        {"0x10", DecimalText::kNotANumber, 0.0},
        {"inf", DecimalText::kNotANumber, 0.0},
        {"nan", DecimalText::kNotANumber, 0.0},
        {"1e999", DecimalText::kTooLarge, 0.0},
        {"1e39", DecimalText::kTooLarge, 0.0},  // a double, but no float holds it
        {std::string(400, '9'), DecimalText::kTooLarge, 0.0},
    };
    for (const Case& c : cases) {
        const DecimalReading r = ReadDecimalText(c.text);
        EXPECT_EQ(r.kind, c.kind) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(r.value, c.value) << '"' << c.text << '"';
    }
}

TEST(DecimalRefusalText, NamesTheFieldAndTheText) {
    EXPECT_EQ(DecimalRefusalText(DecimalText::kNotANumber, "Sodium", "2,5"),
              "\"2,5\" typed for Sodium is not a number. Please enter a number such as 12.5, "
              "1e3 or 10,760.");
    EXPECT_EQ(DecimalRefusalText(DecimalText::kTooLarge, "pH", "1e999"),
              "\"1e999\" typed for pH is too large a number. Please enter a smaller value.");
}

}  // namespace
