#include <gtest/gtest.h>

#include <cmath>

#include "base/Text.h"
#include "shell/input/CitiesFile.h"
#include "shell/input/Gazetteer.h"
#include "shell/input/NamesFile.h"
#include "shell/input/TimeZones.h"

namespace orv {
namespace {

// Whether a field text the input windows receive stands for a finite number.
bool Finite(const std::string& text) {
  const std::string lower = ToLowerAscii(text);
  return lower.find("nan") == std::string::npos && lower.find("inf") == std::string::npos &&
         std::isfinite(LeadingNumber(text));
}

// "nan", "inf" and numbers beyond any range, in every file that holds
// numbers: refused, or read as a finite value, never taken as they are.
TEST(NonFiniteNumbers, NoReaderTakesOne) {
  for (const std::string bad : {"nan", "NaN", "inf", "-inf", "infinity", "1e999", "-1e999"}) {
    SCOPED_TRACE(bad);
    ChartInputFields city;
    CityToFields({"Town", "XX", bad, bad, bad}, city);
    ChartInputFields person;
    NameRecordToFields({"Ann", "1 Jan 1990", bad, "A", bad, bad, bad, ""}, 0, person);
    for (const ChartInputFields* f : {&city, &person})
      for (const std::string* text : {&f->TimeZone, &f->LongDeg, &f->LongMin, &f->LatDeg,
                                      &f->LatMin, &f->Hour, &f->Minute})
        EXPECT_TRUE(Finite(*text)) << *text;

    EXPECT_EQ(ParseTimeZones({"Zone,Z," + bad}).ErrorLine, 1);

    const auto places = Gazetteer::Parse("[countries]\nXX\tX\n[zones]\nUTC\n[places]\nA\t\tXX\t0\t" +
                                         bad + "\t1\nB\t\tXX\t0\t1\t" + bad + "\nC\t\tXX\t0\t1\t1\n");
    ASSERT_TRUE(places);
    EXPECT_EQ(places->size(), 1u);
    EXPECT_EQ(places->FirstBrokenLine(), 6u);
  }
}

}  // namespace
}  // namespace orv
