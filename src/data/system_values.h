// SistemDegerleri: the process-wide values read from the parameter store at every company
// activation, and the active printer definition myprinter.
#pragma once

#include <array>
#include <string>

#include "common/format.h"

namespace orv {

struct SistemDegerleri {
  // folders
  std::string programPath = "C:\\Orvan.Win\\Demirbas";
  std::string tempPath = "C:\\Orvan.Win\\Demirbas\\Usr";
  std::string formPath = "C:\\Orvan.Win\\Demirbas\\Formlar";
  std::string excelPath = "C:\\Orvan.Win\\Demirbas\\Xls";
  std::string companyFolder;          // active company folder
  std::string parameterFolder;        // active parameter folder
  std::string rootFolder;             // root data folder
  std::string sharedParameterFolder;  // root + "/PARAMETRE"

  // separators used by the formatters
  char thousandSeparator = ',';
  char decimalSeparator = '.';
  char dateSeparator = '\\';

  // host machine of the lock server
  std::string hostAddress = "127.0.0.1";
  std::string hostPort = "Telnet";

  // printing
  int linesPerPage = 60;
  int voucherLinesPerPage = 60;
  int linesPerLandscapePage = 40;
  int blankLinesBetweenPages = 6;
  bool previewForms = false;
  int turkishLetters = 1;             // 1: code page 857, otherwise plain letters
  int lineThickness = 2;
  int roundingKind = 0;
  int graphicLeftMargin = 0;
  int graphicResolutionX = 300;
  int graphicResolutionY = 300;

  std::string assetCodeMask = "999.999.999";
  int accountingYear = 2002;
  int depreciationYear = 2002;
  int recordBufferLimit = 100;
  double generalVatRate = 18;
  double traceValue = 1;              // iz değeri of the depreciation calculation
  int cardLayout = 1;                 // 1 card screen, 0 list screen
  std::string subUnitName = "Kr";     // "Yerel Para Alt Birim Sembolü"

  // set at company activation
  std::string companyName;
  std::string localCurrencyName;      // YerelPara
  bool kurus1 = false;
  bool kurus2 = false;
  char accountGroupSeparator = 0;     // from HesapAyrac; 0 = none
  int lockWaitLimit = 1000;
};

// The active printer definition: platform printer name and twenty control sequences in the
// order reset, NLQ on, NLQ off, underline on/off, pica, elite, wide on/off, condensed on/off,
// n/216 line feed, n/216 reverse, feed paper, bold on/off, emphasized on/off, move right, graphics.
struct PrinterDefinition {
  std::string printerName;
  std::array<std::string, 20> codes;
};

// The separators the formatters take, as the parameters set them.
inline FormatSettings formatSettings(const SistemDegerleri& v) {
  FormatSettings fs;
  fs.thousand = v.thousandSeparator;
  fs.decimal = v.decimalSeparator;
  fs.date = v.dateSeparator;
  return fs;
}

}  // namespace orv
