// The counter sections of an xDSL text export as the layout rules give them,
// composed for the tests from a log's counters (not from the program's
// formatter): the 1680-byte log's ERR, SEC, LOS, BERT and total time lines,
// or the 1648-byte log's ERR, SEC, LOS and BER test lines. UTF-8, CR line ends.
#ifndef TELVANE_TESTS_SUPPORT_XDSL_EXPECTED_COUNTERS_H_
#define TELVANE_TESTS_SUPPORT_XDSL_EXPECTED_COUNTERS_H_

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace telvane::testing {

// `counter(offset)`: the log's value there; `total_time`: the duration text of
// the 1680-byte log's last line.
inline std::string ExpectedXdslCounters(size_t size, const std::function<double(size_t)>& counter,
                                        const std::string& total_time, const std::string& s) {
  auto num = [](double v) {
    if (!std::isfinite(v)) return std::string("-");
    char text[64];
    std::snprintf(text, sizeof text, "%.0f", v);
    return std::string(text);
  };
  auto c = [&](size_t offset) { return num(counter(offset)); };
  auto row = [&](const std::string& label, size_t a, size_t b) {
    return label + s + c(a) + s + c(b) + "\r";
  };
  auto ratio = [&](size_t part, size_t whole) {
    const double w = counter(whole);
    return w == 0 ? std::string("-") : num(100.0 * counter(part) / w);
  };
  std::string t;
  if (size == 1680) {
    t += "\rERR" + s + "Down" + s + "Up\r";
    t += row("SF(OHF)", 1536, 1540) + row("SF(OHF)Error", 1544, 1548);
    t += "\r" + row("RS", 1552, 1556) + row("RSCorr", 1560, 1564) + row("RSUnCorr", 1568, 1572);
    t += "\rSEC" + s + "Down" + s + "Up\r";
    t += row("EFS", 1580, 1584) + row("UAS", 1588, 1592) + row("AS", 1596, 1596);
    t += "\r" + row("ES", 1600, 1604) + row("SES", 1608, 1612);
    t += "\rLOS" + s + "1 day" + s + "15 min\r";
    t += row("SF(OHF)", 1620, 1624) + row("CRC", 1628, 1632) + row("LOS", 1636, 1640) +
         row("LOF", 1644, 1648);
    t += "\r" + row("ES", 1652, 1656);
    t += "\r " + s + "BERT Results" + s + " \r";
    t += "Status" + s + s + "CAPTURED\r";
    t += "Total Time (sec)" + s + s + c(1660) + "\r";
    t += "Elapsed Time (sec)" + s + s + c(1664) + "\r";
    t += "Bits Tested" + s + s + c(1668) + "\r";
    t += "Err Bits" + s + s + c(1672) + "\r";
    t += "Error Ratio" + s + s + c(1676) + "\r";
    t += "\rTotal Time" + s + total_time + "\r";
  } else if (size == 1648) {
    t += "\rERR" + s + "Down" + s + "Up\r";
    t += row("CRCFrm", 1536, 1540) + row("CRC", 1544, 1548);
    t += "\r" + row("RS", 1552, 1556) + row("RSCorr", 1560, 1564) + row("RSUnCorr", 1568, 1572);
    t += "\rSEC" + s + "Down" + s + "Up\r";
    t += row("FEC", 1576, 1580) + row("CRC", 1584, 1588) + row("UAS", 1592, 1596);
    t += "\r" + row("ES", 1600, 1604) + row("SES", 1608, 1612);
    t += "\rLOS" + s + "Down" + s + "Up\r";
    t += row("CRCFrm", 1616, 1620) + row("CRC", 1624, 1628);
    t += "LOS" + s + c(1632) + s + "-\r" + "LOF" + s + c(1636) + s + "-\r";
    t += "\r" + row("ES", 1640, 1644);
    t += "\rBER test" + s + "Down" + s + "Up\r";
    t += row("RS", 1552, 1556) + row("CRCFrm", 1536, 1540);
    t += "\r%CRC" + s + ratio(1544, 1536) + s + ratio(1548, 1540) + "\r";
    t += "%RSCorr" + s + ratio(1560, 1552) + s + ratio(1564, 1556) + "\r";
    t += "%RSUnCor" + s + ratio(1568, 1552) + s + ratio(1572, 1556) + "\r";
  }
  return t;
}

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_SUPPORT_XDSL_EXPECTED_COUNTERS_H_
