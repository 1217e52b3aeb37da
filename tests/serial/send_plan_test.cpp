// What goes on the line for a file: parity bits, "%" framing, the lines kept and
// the files refused before the first byte.
#include <gtest/gtest.h>

#include "serial/iso_code.h"
#include "serial/send_plan.h"
#include "serial/transfer_texts.h"

using namespace transfer;

TEST(IsoCode, EvenParityInBitSeven) {
    const struct { char c; quint8 coded; } cases[] = {
        {'A', 0x41}, {'C', 0xC3}, {'%', 0xA5}, {'\n', 0x0A}, {'0', 0x30},
        {'1', 0xB1}, {'O', 0xCF}, {'G', 0x47}, {' ', 0xA0}, {0x7F, 0xFF},
    };
    for (const auto& k : cases) EXPECT_EQ(iso::withEvenParity(quint8(k.c)), k.coded) << k.c;
    QByteArray out;
    ASSERT_TRUE(iso::encodeLine(QStringLiteral("G1X-1."), &out));
    EXPECT_EQ(out, QByteArray("\x47\xB1\xD8\x2D\xB1\x2E"));
    int bad = -1;
    EXPECT_FALSE(iso::encodeLine(QStringLiteral("G1(加工)"), &out, &bad));
    EXPECT_EQ(bad, 3);
    EXPECT_FALSE(iso::encodeLine(QString(QChar(0xE9)), &out, &bad));  // é: above 127
}

TEST(SendPlan, FramingTrailingEmptyLinesAndRefusals) {
    PlanResult p = planSend("O1\r\nG0X1.\r\nM30\r\n\r\n\r\n\r\n\r\n\r\n");
    ASSERT_TRUE(p.refusal.isEmpty());
    EXPECT_EQ(p.plan.lines, QStringList({"O1", "G0X1.", "M30", "", ""}));  // three dropped
    EXPECT_TRUE(p.plan.leadingPercent);
    EXPECT_TRUE(p.plan.trailingPercent);
    EXPECT_EQ(p.plan.coded[0], QByteArray("\xCF\xB1"));

    p = planSend("%\nO1\nM30\n%\n");
    EXPECT_FALSE(p.plan.leadingPercent);
    EXPECT_FALSE(p.plan.trailingPercent);

    EXPECT_TRUE(planSend("").empty);
    EXPECT_TRUE(planSend("\r\n\r\n").empty);

    // Shift_JIS comment in line 2: refused, the line named.
    p = planSend("O1\r\nG0X1.(\x89\xc1\x8d\x48)\r\nM30\r\n");
    EXPECT_EQ(p.refusal, "2行目に7ビットのISOコードで送れない文字があります\nG0X1.(加工)\n送信しません");
    EXPECT_TRUE(p.plan.coded.isEmpty());

    QByteArray big;
    for (int i = 0; i < kMaxSendLines; ++i) big += "G0\n";
    EXPECT_TRUE(planSend(big).refusal.isEmpty());
    p = planSend(big + "M30\n");
    EXPECT_EQ(p.refusal, "行数が40000行あります\n39999行を超えるファイルは送信できません");
}

TEST(TransferTexts, FilterNameAndEventNames) {
    EXPECT_EQ(fileFilter("sp2"), "ファイル (*.sp2)|*.sp2|すべてのファイル 　(*.*)|*.*|"
                                 "ＮＣ　ファイル (*.NC)|*.NC|テキスト ファイル (*.txt)|*.txt|");
    EXPECT_EQ(proposedReceiveName(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)), "m77q"),
              "260102030405.77q");
    EXPECT_EQ(sendDoneText("/w/a.sp2", 12), "/w/a.sp2  総行数 12   送信完了");
    using E = SerialPort::Event;
    const struct { E e; const char* name; } names[] = {
        {E::Break, "break"},   {E::CtsTimeout, "cts"},  {E::DsrTimeout, "dsr"},
        {E::Frame, "frm"},     {E::Overrun, "overrun"}, {E::CdTimeout, "cdtd"},
        {E::RxOver, "rxover"}, {E::RxParity, "rxparity"}, {E::TxFull, "txfull"},
        {E::Dcb, "dcb"},       {E::Send, "evsend"},     {E::Cts, "evcts"},
        {E::Dsr, "evdsr"},     {E::Cd, "evcd"},         {E::Ring, "evring"},
        {E::Eof, "evedf"},
    };
    for (const auto& n : names) EXPECT_EQ(eventName(n.e), n.name);
    EXPECT_EQ(int(E::Break), 1001);
    EXPECT_EQ(int(E::Eof), 7);
}
