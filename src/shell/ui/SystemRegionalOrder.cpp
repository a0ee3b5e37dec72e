#include "shell/ui/SystemRegionalOrder.h"

namespace orv {

RegionalOrder RegionalOrderOf(const QLocale& locale) {
  return {DateOrderFromFormat(locale.dateFormat(QLocale::ShortFormat).toStdString()),
          TimeFormatFromFormat(locale.timeFormat(QLocale::ShortFormat).toStdString())};
}

}  // namespace orv
