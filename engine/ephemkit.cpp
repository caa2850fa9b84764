#include "ephemkit.h"

#include "automationerror.h"
#include "bodies.h"
#include "modastrosubs.h"
#include "timezone.h"
#include "variant.h"

#include <atomic>
#include <cmath>
#include <exception>
#include <optional>

namespace {

std::atomic<int> g_liveObjects{0};

// The number a range-tested setter accepts: numeric and within [low, high].
std::optional<double> inRange(const QVariant &v, double low, double high)
{
    const auto n = automation::numericValue(v);
    if (n && *n >= low && *n <= high)
        return n;
    return std::nullopt;
}

} // namespace

Ephemkit::Ephemkit(QObject *parent) : QObject(parent) { ++g_liveObjects; }

Ephemkit::~Ephemkit() { --g_liveObjects; }

int Ephemkit::liveObjects() { return g_liveObjects.load(); }

void Ephemkit::guarded(const std::function<void()> &body)
{
    try {
        body();
    } catch (const automation::AutomationError &e) {
        m_hasError = true;
        m_errorNumber = e.number();
        m_errorText = e.description();
    } catch (const std::exception &e) {
        m_hasError = true;
        m_errorNumber = automation::kInvalidProcedureCall;
        m_errorText = QString::fromLocal8Bit(e.what());
    }
}

bool Ephemkit::takeError(int &number, QString &description)
{
    if (!m_hasError)
        return false;
    number = m_errorNumber;
    description = m_errorText;
    m_hasError = false;
    m_errorNumber = 0;
    m_errorText.clear();
    return true;
}

double Ephemkit::GetTimeZone() { return ephemkit::systemTimeZoneHours(); }

QVariant Ephemkit::GetTZBias() { return QVariant(-GetTimeZone() / 24); }

void Ephemkit::setUTDate(const QVariant &v)
{
    guarded([&] {
        m_UTDate = v;  // kept even when it is no date
        ephemkit::LocalMeanSiderealTime(automation::toDate(v), m_LNG, m_LMST);
    });
}

void Ephemkit::setLNG(const QVariant &v)
{
    if (auto n = inRange(v, 0, 360))
        m_LNG = *n == 360 ? 0.0 : *n;
}

void Ephemkit::setLat(const QVariant &v)
{
    if (inRange(v, -90, 90))
        m_lat = v;
}

void Ephemkit::setLMST(const QVariant &v)
{
    guarded([&] { m_LMST = automation::toDouble(v); });
}

void Ephemkit::setRA(const QVariant &v)
{
    if (auto n = inRange(v, 0, 24))
        m_RA = *n == 24 ? QVariant(0.0) : v;
}

void Ephemkit::setDec(const QVariant &v)
{
    if (inRange(v, -90, 90))
        m_Dec = v;
}

void Ephemkit::setAlt(const QVariant &v)
{
    if (inRange(v, -90, 90))
        m_Alt = v;
}

void Ephemkit::setAz(const QVariant &v)
{
    if (auto n = inRange(v, 0, 360))
        m_Az = *n == 360 ? QVariant(0.0) : v;
}

void Ephemkit::setPlanetNum(const QVariant &v)
{
    if (automation::isNull(v))
        return;  // a null never passes the range test
    guarded([&] {
        const double n = std::floor(automation::toDouble(v));
        if (n < -1 || n > 11)
            return;
        const int number = int(n);
        m_PlanetNum = number;
        m_PlanetName = QString::fromStdString(ephemkit::bodyName(number));
    });
}

void Ephemkit::setPlanetName(const QVariant &v)
{
    QString name;
    if (!automation::isNull(v) && !automation::isMissing(v)) {
        const QString wanted = automation::toText(v).trimmed().toUpper();
        if (ephemkit::bodyNumber(wanted.toStdString()) != ephemkit::kNoBody)
            name = wanted;
    }
    m_PlanetName = name;
    m_PlanetNum = ephemkit::bodyNumber(name.toStdString());
}

void Ephemkit::discard(const QVariant &) {}
