// The table of right codes.
#include "users/rights.h"

#include <algorithm>

namespace orv::users {

const std::vector<int>& allRightCodes() {
  static const std::vector<int> codes = {
      10,   20,   30,   35,   40,   50,   54,   60,   70,   73,   80,   83,   86,   90,
      93,   95,   100,  500,  700,  710,  715,  720,  725,  750,  760,  765,  800,  805,
      810,  815,  1000, 1010, 1026, 1028, 1030, 1050, 1070, 1090, 1110, 2000, 2010, 2013,
      2020, 2023, 2030, 2033, 2040, 2043, 2050, 2053, 3000, 3010, 3020, 3500, 3510, 3520,
      3530, 3540, 3550, 3560, 3563};
  return codes;
}

bool isKnownRightCode(int code) {
  const auto& codes = allRightCodes();
  return std::binary_search(codes.begin(), codes.end(), code);
}

}  // namespace orv::users
