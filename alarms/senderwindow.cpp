// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "senderwindow.h"

#include "backgroundstep.h"
#include "clock.h"
#include "displaytext.h"
#include "numbertext.h"
#include "preferences.h"
#include "strictinput.h"
#include "timefields.h"
#include "ui_senderwindow.h"
#include "variant.h"

#include <QCloseEvent>
#include <QHostAddress>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <limits>
#include <system_error>

namespace noctalis {

namespace {

constexpr int kTimerIntervalMs = 1000;
constexpr int kConnectLimitSeconds = 10;  // a connection not made by then is given up
constexpr int kLingerSeconds = 2;         // the connection stays open this long after writing
// Longest wait between cycles, milliseconds (about 3000 years): keeps the
// interval finite and inside QDateTime's range.
constexpr double kMaxIntervalMs = 1e14;
// The most of a sent text the window shows; the whole text goes out.
constexpr qsizetype kShownChars = 300;
constexpr int kShownLines = 4;

}  // namespace

SenderWindow::SenderWindow(const Preferences &prefs, const Clock &clock, const QString &engineProgId,
                           const SenderAddress &address, QWidget *parent)
    : QWidget(parent),
      m_prefs(prefs),
      m_clock(clock),
      m_engineProgId(engineProgId),
      m_address(address),
      ui(std::make_unique<Ui::SenderWindow>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // Typing at the telescope goes on in the window it went to.
    setAttribute(Qt::WA_ShowWithoutActivating);
    connect(ui->cmdHide, &QPushButton::clicked, this, &SenderWindow::hideSender);
    connect(ui->CancelButton, &QPushButton::clicked, this, &SenderWindow::dismiss);

    m_socket = new QTcpSocket(this);
    connect(m_socket, &QTcpSocket::connected, this, &SenderWindow::onConnected);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &SenderWindow::onBytesWritten);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &SenderWindow::onErrorOccurred);

    m_timer = new QTimer(this);
    m_timer->setInterval(kTimerIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &SenderWindow::tick);
}

SenderWindow::~SenderWindow() { release(); }

QLabel *SenderWindow::intervalLabel() const { return ui->LBLInterval; }
QLabel *SenderWindow::sentLabel() const { return ui->LBLSent; }
QLabel *SenderWindow::messageLabel() const { return ui->LBLMsg; }
QPushButton *SenderWindow::hideButton() const { return ui->cmdHide; }
QPushButton *SenderWindow::cancelButton() const { return ui->CancelButton; }

void SenderWindow::SetURL(const QString &url)
{
    std::optional<SenderAddress> target = senderAddressFromUrl(url, m_address);
    if (!target) {
        logSkippedStep(
            lcAlarms, "read the sender's address",
            QStringLiteral("\"%1\" is not host:port; sending to %2:%3").arg(url, m_address.host).arg(m_address.port));
        target = m_address;
    }
    m_hostAddress = target->host;
    m_hostPort = target->port;
}

void SenderWindow::load()
{
    // Without an engine the "[LMST" fields give no value; the rest is sent.
    runStep(lcAlarms, "create the sender's engine", [&] {
        m_engine = automation::Object::createOrThrow(m_engineProgId);
        m_engine.set(QStringLiteral("LNG"), SenderLng);
    });
    runStep(lcAlarms, "show the sender's interval", [&] { ui->LBLInterval->setText(intervalText(RepeatMinutes)); });
    m_timer->start();
}

QString SenderWindow::intervalText(const QString &repeatMinutes)
{
    // A whole number of minutes is a count ("1 minute"); a fraction is shown
    // as a number in the user's way; any other text as it stands.
    const QString typed = repeatMinutes.trimmed();
    if (const std::optional<int> whole = wholeNumberFromText(typed, 0, std::numeric_limits<int>::max()))
        return tr("Interval: %n minutes.", nullptr, *whole);
    if (const std::optional<double> minutes = numberFromText(typed, {0, std::numeric_limits<double>::max()}))
        return tr("Interval: %1 minutes.").arg(shownNumberText(*minutes));
    return tr("Interval: %1 minutes.").arg(repeatMinutes);
}

QString SenderWindow::CvtMsg(const QString &text)
{
    return noctalis::CvtMsg(text, TimeFieldSource{m_engine, m_clock, m_prefs.DUT1});
}

void SenderWindow::tick()
{
    const QDateTime now = m_clock.utcNow();
    switch (m_cycle) {
    case Cycle::Idle:
        if (!m_nextSend.isValid() || now >= m_nextSend)
            startCycle();
        break;
    case Cycle::Connecting:
        if (now > m_connectDeadline)
            failCycle(tr("no connection within %1 s").arg(kConnectLimitSeconds));
        break;
    case Cycle::Lingering:
        if (now >= m_sentAt.addSecs(kLingerSeconds))
            finishSend();
        break;
    }
}

void SenderWindow::startCycle()
{
    m_peerReset.end();
    m_socket->abort();  // back to the idle state, whatever the last cycle left
    m_bytesWritten = 0;
    m_payload.clear();
    // To a listener on this machine the local end is on the loopback
    // interface, any free port; a failure here leaves the choice to the
    // system, as does a listener elsewhere. A loopback connection never
    // goes through a proxy, but binding would ask the system's proxy
    // settings first (about half a millisecond, 300 senders of a burst
    // in a row): it is told so beforehand.
    const bool loopback = QHostAddress(m_hostAddress) == QHostAddress(QHostAddress::LocalHost);
    m_socket->setProxy(loopback ? QNetworkProxy::NoProxy : QNetworkProxy::DefaultProxy);
    if (loopback)
        m_socket->bind(QHostAddress(QHostAddress::LocalHost), 0);
    m_cycle = Cycle::Connecting;
    m_connectDeadline = m_clock.utcNow().addSecs(kConnectLimitSeconds);
    m_socket->connectToHost(m_hostAddress, quint16(m_hostPort));
}

void SenderWindow::onConnected()
{
    if (m_cycle != Cycle::Connecting)
        return;
    m_peerReset.watch(m_socket->socketDescriptor());
    m_text = CvtMsg(MessageTemplate);
    m_payload = m_text.toUtf8();
    if (m_socket->write(m_payload) != m_payload.size()) {
        failCycle(m_socket->errorString());
        return;
    }
    m_sentAt = m_clock.utcNow();
    m_cycle = Cycle::Lingering;
}

void SenderWindow::onBytesWritten(qint64 bytes) { m_bytesWritten += bytes; }

void SenderWindow::onErrorOccurred(QAbstractSocket::SocketError error)
{
    // A peer that closes once it has the whole text does not spoil the send;
    // the cycle then ends at its usual time. One that resets the connection
    // (it closed with the text unread, or aborted) does: Qt tells the two
    // apart from neither its error nor its text.
    const bool reset = error == QAbstractSocket::RemoteHostClosedError && m_peerReset.wasReset();
    // Qt's own descriptor is closed by now; the connection ends with the
    // watch's.
    m_peerReset.end();
    if (m_cycle == Cycle::Connecting || (m_cycle == Cycle::Lingering && (reset || m_bytesWritten < m_payload.size())))
        failCycle(reset ? QString::fromStdString(std::generic_category().message(ECONNRESET))
                        : m_socket->errorString());
}

void SenderWindow::finishSend()
{
    m_peerReset.end();               // before the socket, which then closes the connection
    m_socket->disconnectFromHost();  // what is still buffered goes out first
    ui->LBLMsg->setText(tr("Message: %1").arg(boundedText(m_text, kShownChars, kShownLines)));
    ui->LBLSent->setText(tr("Sent: %1 Local Time.").arg(m_clock.localNow().toString(QStringLiteral("HH:mm:ss"))));
    endCycle(true);
}

void SenderWindow::failCycle(const QString &why)
{
    logSkippedStep(lcAlarms, "send the alarm text",
                   QStringLiteral("%1:%2: %3").arg(m_hostAddress).arg(m_hostPort).arg(why));
    //: %1 is why (the system's words, "Connection refused"), %2 the local time.
    ui->LBLSent->setText(
        tr("Not sent: %1 at %2 Local Time.").arg(why, m_clock.localNow().toString(QStringLiteral("HH:mm:ss"))));
    endCycle(false);
}

void SenderWindow::endCycle(bool sent)
{
    if (!sent) {
        m_peerReset.end();
        m_socket->abort();
    }
    m_cycle = Cycle::Idle;
    double minutes = 0;
    runStep(lcAlarms, "read the sender's interval", [&] { minutes = leadingNumber(RepeatMinutes); });
    const double ms = std::clamp(minutes * 60000.0, -kMaxIntervalMs, kMaxIntervalMs);
    m_nextSend = m_clock.utcNow().addMSecs(std::llround(ms));
    emit cycleEnded(sent);
}

void SenderWindow::hideSender() { hide(); }

void SenderWindow::dismiss() { close(); }

void SenderWindow::release()
{
    m_timer->stop();
    m_cycle = Cycle::Idle;
    m_engine = automation::Object();
    m_peerReset.end();
    m_socket->abort();
}

void SenderWindow::closeEvent(QCloseEvent *event)
{
    release();
    event->accept();
}

}  // namespace noctalis
