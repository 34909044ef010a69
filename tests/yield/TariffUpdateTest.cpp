#include "tests/yield/LoopbackHttpServer.h"
#include "tests/yield/TariffPage.h"
#include "tests/yield/YieldFrameFixture.h"

#include <limits>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

const QByteArray kPath = "/Tandrel/eeg_aktualisierung_2011.php";

QByteArray Page(const QString& date, const std::array<QString, 12>& rates, const char* before = "")
{
    return QByteArray(before) + TariffPageLines(date, rates).join("\r\n").toUtf8() + "\r\n";
}

// What the table should hold after the update; empty: as before it.
struct Expected {
    QString date;
    std::array<double, 12> rates;
};

std::array<double, 12> BuiltInRates()
{
    return {0.3303, 0.1665, 0.2103, 0.2874, 0.1236, 0.1674, 0.2874, 0.1236, 0.1674, 0.2615, 0.0977, 0.1415};
}

std::array<double, 12> January2012()
{
    std::array<double, 12> r = BuiltInRates();
    r[9] = 0.2443;
    r[10] = 0.0805;
    r[11] = 0.1243;
    return r;
}

struct UpdateCase {
    const char* name;
    std::function<void(LoopbackHttpServer&)> serve;
    std::optional<Expected> expected;
};

std::ostream& operator<<(std::ostream& os, const UpdateCase& c) { return os << c.name; }

class TariffUpdate : public YieldFrameTest, public ::testing::WithParamInterface<UpdateCase> {
protected:
    // The table before the update differs from the built-in one, so that
    // "unchanged" and "built-in" can be told apart.
    void StoreStartTable()
    {
        MKontaloRegistry reg;
        reg.WriteString("ErtragFrame", "AktualisierungServer", server.Root());
        reg.WriteInteger("ErtragFrame", "AktualisierungVerbindungTimeout", 2000);
        reg.WriteInteger("ErtragFrame", "AktualisierungTimeout", 1500);
        reg.WriteInteger("ErtragFrame", "InbetriebnahmejahrIndex", 3);
        reg.WriteFloat("ErtragFrame", "2012_Einspeiseverguetung", 0.25);
        reg.WriteString("ErtragFrame", "Aktualisierungsstand", "01.07.2011");
    }

    bool RunUpdate()
    {
        QSignalSpy done(frame, &TErtragFrame::TariffUpdateFinished);
        frame->BitBtnOnlineAktualisierungClick();
        EXPECT_TRUE(frame->UpdateRunning());
        EXPECT_TRUE(done.wait(20000));
        return !done.isEmpty() && done.first().first().toBool();
    }

    LoopbackHttpServer server;
};

TEST_P(TariffUpdate, TableDateLabelsProtocolAndSettings)
{
    StoreStartTable();
    ASSERT_TRUE(Open());
    GetParam().serve(server);
    const bool ok = RunUpdate();
    EXPECT_FALSE(frame->UpdateRunning());
    EXPECT_TRUE(frame->findChild<QPushButton*>("BitBtnOnlineAktualisierung")->isEnabled());
    EXPECT_EQ(Memo("MemoProtokoll"), "+ Onlinezugriff auf wird importiert:" + TErtragFrame::UpdateUrl());

    std::array<double, 12> rates = BuiltInRates();
    rates[9] = 0.25;
    QString date = "01.07.2011";
    if (const auto& e = GetParam().expected) {
        EXPECT_TRUE(ok);
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
        rates = e->rates;
        date = e->date;
        EXPECT_EQ(Label("LabelAktualisierungInfo"), "Aktualisierung durchgeführt, Stand: " + date);
    } else {
        EXPECT_FALSE(ok);
        EXPECT_EQ(dialogs.messages, QStringList{"Fehler bei HTTP-Zugriff"});
        EXPECT_EQ(Label("LabelAktualisierungInfo"), "");
        EXPECT_EQ(frame->InternetLines(), QStringList{"MemoInternetrequest"});
    }
    for (int i = 0; i < 12; ++i)
        EXPECT_DOUBLE_EQ(frame->Tarife().Raten[i / 3][i % 3], rates[i]) << "rate " << i;
    EXPECT_EQ(frame->Tarife().Aktualisierungsstand, date);
    EXPECT_EQ(Label("LabelAktualisierungsstand"), "Stand: " + date + " ");
    EXPECT_EQ(Label("LabelEEG"), QStringLiteral("Vergütung für eingespeisten Strom: %1 Euro/kWh").arg(QLocale().toString(rates[9], 'f', 4)));
    EXPECT_EQ(Label("LabelBonusUnter"), QStringLiteral("Bonus für Eigenanteil unter 30 %: %1 Euro/kWh").arg(QLocale().toString(rates[10], 'f', 4)));
    EXPECT_EQ(Label("LabelBonusUeber"), QStringLiteral("Bonus für Eigenanteil über 30 %: %1 Euro/kWh").arg(QLocale().toString(rates[11], 'f', 4)));
    EXPECT_DOUBLE_EQ(frame->Rechnung().Einspeiseverguetung, rates[9]);

    Close();
    MKontaloRegistry reg;
    const char* const names[] = {"2010_Einspeiseverguetung", "2010_EinspeiseverBonusUnter30", "2010_EinspeiseverBonusUeber30",
                                 "2011_1_Einspeiseverguetung", "2011_1_EinspeiseverBonusUnter30", "2011_1_EinspeiseverBonusUeber30",
                                 "2011_2_Einspeiseverguetung", "2011_2_EinspeiseverBonusUnter30", "2011_2_EinspeiseverBonusUeber30",
                                 "2012_Einspeiseverguetung", "2012_EinspeiseverBonusUnter30", "2012_EinspeiseverBonusUeber30"};
    for (int i = 0; i < 12; ++i)
        EXPECT_DOUBLE_EQ(reg.ReadFloat("ErtragFrame", names[i], -1), rates[i]) << names[i];
    EXPECT_EQ(reg.ReadString("ErtragFrame", "Aktualisierungsstand", "x"), date);
}

void Serve(LoopbackHttpServer& s, const QByteArray& body) { s.Reply(kPath, LoopbackHttpServer::Response(200, body)); }

std::array<double, 12> WithBadLines()
{
    std::array<double, 12> r = January2012();
    r[0] = 0.3303;  // "neu"
    r[4] = 0.1236;  // 3,5 euro
    r[10] = 0.0977; // negative
    r[11] = 0.1415; // empty
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Yield, TariffUpdate,
    ::testing::Values(
        UpdateCase{"three_leading_blank_lines",
                   [](LoopbackHttpServer& s) { Serve(s, Page("01.01.2012", January2012Rates(), "\r\n\r\n  \r\n")); },
                   Expected{"01.01.2012", January2012()}},
        UpdateCase{"official_rates_january_2012",
                   [](LoopbackHttpServer& s) { Serve(s, Page("01.01.2012", January2012Rates())); },
                   Expected{"01.01.2012", January2012()}},
        UpdateCase{"unreadable_and_implausible_lines",
                   [](LoopbackHttpServer& s) {
                       std::array<QString, 12> r = January2012Rates();
                       r[0] = "neu";
                       r[4] = "3,5";
                       r[10] = "-0,0805";
                       r[11] = "";
                       Serve(s, Page("01.01.2012", r));
                   },
                   Expected{"01.01.2012", WithBadLines()}},
        // A reply that holds no table is a failed fetch, not a table of built-in rates.
        UpdateCase{"only_blank_lines", [](LoopbackHttpServer& s) { Serve(s, "\r\n\r\n   \r\n\t\r\n"); }, std::nullopt},
        UpdateCase{"missing_line_4", [](LoopbackHttpServer& s) { Serve(s, "EEG\nStand\n\n01.01.2012\n"); }, std::nullopt},
        UpdateCase{"empty_body", [](LoopbackHttpServer& s) { Serve(s, ""); }, std::nullopt},
        UpdateCase{"status_204", [](LoopbackHttpServer& s) { s.Reply(kPath, LoopbackHttpServer::Response(204, "")); }, std::nullopt},
        UpdateCase{"html_page",
                   [](LoopbackHttpServer& s) {
                       QByteArray page = "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n<title>Wartung</title>\n"
                                         "</head>\n<body>\n<p>Die Seite wird gewartet.</p>\n";
                       for (int i = 0; i < 20; ++i)
                           page += "<p>0,25</p>\n";
                       Serve(s, page + "</body>\n</html>\n");
                   },
                   std::nullopt},
        UpdateCase{"noise_without_rates",
                   [](LoopbackHttpServer& s) {
                       QByteArray page;
                       for (int i = 0; i < 30; ++i)
                           page += "zq" + QByteArray::number(i * 7919 % 1000) + " xv\n";
                       Serve(s, page);
                   },
                   std::nullopt},
        UpdateCase{"date_of_65_characters", [](LoopbackHttpServer& s) { Serve(s, Page(QString(65, '1'), January2012Rates())); },
                   std::nullopt},
        UpdateCase{"rates_with_a_decimal_point",
                   [](LoopbackHttpServer& s) {
                       std::array<QString, 12> r;
                       r.fill("0.1");
                       Serve(s, Page("01.01.2012", r));
                   },
                   std::nullopt},
        UpdateCase{"windows_1252_date",
                   [](LoopbackHttpServer& s) {
                       QByteArray page = Page("Stand", January2012Rates());
                       Serve(s, page.replace("Stand\r\n", "M\xe4rz 2012\r\n"));
                   },
                   Expected{"März 2012", January2012()}},
        UpdateCase{"redirect",
                   [](LoopbackHttpServer& s) {
                       s.Reply(kPath, LoopbackHttpServer::Response(302, "", {"Location: /neu/tarife.txt", "Set-Cookie: sid=1"}));
                       s.Reply("/neu/tarife.txt", LoopbackHttpServer::Response(200, Page("01.01.2012", January2012Rates())));
                   },
                   Expected{"01.01.2012", January2012()}},
        UpdateCase{"status_404", [](LoopbackHttpServer& s) { s.Reply(kPath, LoopbackHttpServer::Response(404, "fehlt")); }, std::nullopt},
        UpdateCase{"status_500_with_a_page",
                   [](LoopbackHttpServer& s) { s.Reply(kPath, LoopbackHttpServer::Response(500, Page("01.01.2012", January2012Rates()))); },
                   std::nullopt},
        UpdateCase{"four_redirects",
                   [](LoopbackHttpServer& s) {
                       s.Reply(kPath, LoopbackHttpServer::Response(302, "", {"Location: /r1"}));
                       s.Reply("/r1", LoopbackHttpServer::Response(302, "", {"Location: /r2"}));
                       s.Reply("/r2", LoopbackHttpServer::Response(302, "", {"Location: /r3"}));
                       s.Reply("/r3", LoopbackHttpServer::Response(302, "", {"Location: /r4"}));
                       s.Reply("/r4", LoopbackHttpServer::Response(200, Page("01.01.2012", January2012Rates())));
                   },
                   std::nullopt},
        UpdateCase{"server_never_answers", [](LoopbackHttpServer& s) { s.Stall(kPath); }, std::nullopt},
        UpdateCase{"body_over_64_kib",
                   [](LoopbackHttpServer& s) { Serve(s, Page("01.01.2012", January2012Rates()) + QByteArray(64 * 1024, '#')); },
                   std::nullopt},
        UpdateCase{"binary_body", [](LoopbackHttpServer& s) { Serve(s, QByteArray("\0\1\2\3", 4) + Page("x", January2012Rates())); },
                   std::nullopt},
        UpdateCase{"nobody_listening",
                   [](LoopbackHttpServer&) {
                       MKontaloRegistry reg;
                       reg.WriteString("ErtragFrame", "AktualisierungServer", "http://127.0.0.1:1");
                   },
                   std::nullopt}),
    [](const ::testing::TestParamInfo<UpdateCase>& info) { return std::string(info.param.name); });

TEST_F(TariffUpdate, RequestCarriesTheHeaders)
{
    StoreStartTable();
    ASSERT_TRUE(Open());
    server.Reply(kPath, LoopbackHttpServer::Response(302, "", {"Location: /neu", "Set-Cookie: sid=42; Path=/"}));
    server.Reply("/neu", LoopbackHttpServer::Response(200, Page("01.01.2012", January2012Rates())));
    ASSERT_TRUE(RunUpdate());
    const QList<QByteArray> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_TRUE(requests[0].startsWith("GET " + kPath + " HTTP/1.1\r\n"));
    for (const QByteArray& r : requests) {
        EXPECT_TRUE(r.contains("\r\nAccept: text/html, */*\r\n")) << r.toStdString();
        EXPECT_TRUE(r.contains("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"));
        EXPECT_TRUE(r.contains("\r\nReferer: https://www.norvi-software.de/\r\n"));
    }
    // The cookie of the first reply goes along with the redirected request.
    EXPECT_TRUE(requests[1].contains("\r\nCookie: sid=42\r\n")) << requests[1].toStdString();
    EXPECT_EQ(frame->InternetLines().value(4), "01.01.2012");
}

TEST_F(TariffUpdate, UpdatedRatesAreShownAgainAfterARestart)
{
    StoreStartTable();
    ASSERT_TRUE(Open());
    Serve(server, Page("01.01.2012", January2012Rates()));
    ASSERT_TRUE(RunUpdate());
    EXPECT_EQ(Label("LabelEEG"), "Vergütung für eingespeisten Strom: 0,2443 Euro/kWh");
    Close();
    ASSERT_TRUE(Open());
    EXPECT_EQ(Label("LabelEEG"), "Vergütung für eingespeisten Strom: 0,2443 Euro/kWh");
    EXPECT_EQ(Label("LabelBonusUnter"), "Bonus für Eigenanteil unter 30 %: 0,0805 Euro/kWh");
    EXPECT_EQ(Label("LabelAktualisierungsstand"), "Stand: 01.01.2012 ");
    // The note on the update itself belongs to the session that made it.
    EXPECT_EQ(Label("LabelAktualisierungInfo"), "");
}

TEST_F(TariffUpdate, EventLoopKeepsRunningDuringAStalledFetch)
{
    StoreStartTable();
    ASSERT_TRUE(Open());
    server.Stall(kPath);
    QSignalSpy done(frame, &TErtragFrame::TariffUpdateFinished);
    // A fetch on the GUI thread would stall the loop for the whole time-out
    // (1.4 s). A busy machine can delay single ticks too, so the gap is
    // measured over up to three fetches and the best run counts.
    qint64 best = std::numeric_limits<qint64>::max();
    int attempts = 0;
    while (attempts < 3 && best >= 50) {
        ++attempts;
        QElapsedTimer clock;
        qint64 last = 0, longest = 0;
        int ticks = 0;
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            longest = std::max(longest, now - last);
            last = now;
            ++ticks;
        });
        clock.start();
        timer.start();
        frame->BitBtnOnlineAktualisierungClick();
        EXPECT_FALSE(frame->findChild<QPushButton*>("BitBtnOnlineAktualisierung")->isEnabled());
        EXPECT_EQ(frame->cursor().shape(), Qt::BusyCursor);
        // A second click while the first runs starts nothing.
        frame->BitBtnOnlineAktualisierungClick();
        ASSERT_TRUE(done.wait(20000));
        timer.stop();
        EXPECT_GE(clock.elapsed(), 1400); // the shortened time-out
        EXPECT_GT(ticks, 50);
        best = std::min(best, longest);
        EXPECT_EQ(frame->cursor().shape(), Qt::ArrowCursor);
        EXPECT_TRUE(frame->findChild<QPushButton*>("BitBtnOnlineAktualisierung")->isEnabled());
    }
    EXPECT_LT(best, 50) << "longest gap between timer ticks in ms";
    EXPECT_EQ(done.size(), attempts);
    EXPECT_EQ(dialogs.messages.size(), attempts);
    EXPECT_EQ(dialogs.messages.value(0), QString("Fehler bei HTTP-Zugriff"));
    EXPECT_EQ(server.Requests().size(), attempts);
}

TEST_F(TariffUpdate, ClosingDuringAFetchDoesNotWaitForTheTimeOut)
{
    {
        MKontaloRegistry reg;
        reg.WriteString("ErtragFrame", "AktualisierungServer", server.Root());
    }
    ASSERT_TRUE(Open());
    server.Stall(kPath);
    frame->BitBtnOnlineAktualisierungClick();
    QTest::qWait(100);
    QElapsedTimer clock;
    clock.start();
    Close();
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(TariffUpdate, DefaultAddressIsTheMakersServer)
{
    EXPECT_EQ(TErtragFrame::UpdateUrl(), "https://aktualisierung.norvi-software.de/Tandrel/eeg_aktualisierung_2011.php");
    {
        MKontaloRegistry reg;
        reg.WriteString("ErtragFrame", "AktualisierungServer", "http://127.0.0.1:8123/");
    }
    EXPECT_EQ(TErtragFrame::UpdateUrl(), "http://127.0.0.1:8123/Tandrel/eeg_aktualisierung_2011.php");
}

} // namespace
