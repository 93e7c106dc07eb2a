#pragma once
// A loaded machine (CI beside a build) can take seconds for what takes
// milliseconds here. Waits for what must happen are generous: they end as
// soon as it has happened, and only a fault waits the whole minute.
#include <QTest>

#undef QTRY_COMPARE
#define QTRY_COMPARE(expr, expected) QTRY_COMPARE_WITH_TIMEOUT(expr, expected, 60000)
#undef QTRY_VERIFY
#define QTRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, 60000)
