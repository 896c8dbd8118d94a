// The number display formats chosen at company activation from the sub-unit flags.
#pragma once

#include <string>

namespace orv {

struct NumberFormats {
  std::string amount;               // main amount format
  std::string gridAmount;
  std::string amountNoDecimals;
  std::string amountOptional2;
  std::string amount2;
  std::string amount3;
  std::string amountTrailingBlank;
  std::string printPlain;
  std::string printGrouped;
  std::string rate;
  std::string wideGrouped;
  std::string rate4;
  std::string kurus2Amount;         // the class of amounts that follows Kurus2

  static NumberFormats choose(bool kurus1, bool kurus2) {
    const std::string hidden = "###,0.00;; ";
    NumberFormats f;
    f.amount = kurus1 ? hidden : "#,##0";
    f.gridAmount = kurus1 ? hidden : "#,##0";
    f.amountNoDecimals = kurus1 ? hidden : "#,###";
    f.amountOptional2 = kurus1 ? hidden : "###,0.##";
    f.amount2 = kurus1 ? hidden : "#,###.##";
    f.amount3 = kurus1 ? hidden : "#,###.###";
    f.amountTrailingBlank = kurus1 ? hidden : "#,##0 ";
    f.printPlain = kurus1 ? "###############.##" : "##################";
    f.printGrouped = kurus1 ? "####,###,##0.00" : "###,###,###,###";
    f.rate = "##0.00";
    f.wideGrouped = kurus1 ? "###,###,###,##0.00" : "##,###,###,###,###";
    f.rate4 = kurus1 ? hidden : "###,0.####";
    f.kurus2Amount = kurus2 ? hidden : "#,##0";
    return f;
  }
};

}  // namespace orv
