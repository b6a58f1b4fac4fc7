#include "output/PrintDate.h"

#include <cstdio>

namespace zofar {

std::string FormatPrintDate(const UtcTime& time) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%02d", time.month, time.day, time.year);
    return buffer;
}

}  // namespace zofar
