#include <hx/pps/ppsdecoder.h>

#include <QtCore/QByteArray>
#include <QtTest/QtTest>

#include <cmath>

// A decoder that cleans up after itself, so a failed check leaks nothing.
class Decoder
{
public:
    Decoder() { pps_decoder_initialize(&d, nullptr); }
    ~Decoder() { pps_decoder_cleanup(&d); }
    pps_decoder_t *operator&() { return &d; }

    pps_decoder_t d;
};

class tst_PpsDecoder : public QObject
{
    Q_OBJECT

private slots:
    void readsALocationReply();
    void entersObjectsByNameWithOrWithoutTheAtSign();
    void readsJsonDocuments();
    void rejectsMalformedText_data();
    void rejectsMalformedText();
    void reportsMissingAndMistypedMembers();
    void integersAreRangeChecked_data();
    void integersAreRangeChecked();
    void neverReadsPastTheGivenLength();
    void walksObjectMembersInOrder();
};

void tst_PpsDecoder::readsALocationReply()
{
    const QByteArray reply
        = "@control\nres::location\nid::places.1.hybrid.90\n"
          "dat:json:{\"latitude\":43.5,\"longitude\":-80.25,\"accuracy\":12,"
          "\"fix_type\":\"gnss_fix\",\"satellites\":[{\"id\":3,\"cno\":30.5},{\"id\":9,\"cno\":41}]}\n";
    Decoder decoder;
    QCOMPARE(pps_decoder_parse_pps_str(&decoder, reply.constData()), PPS_DECODER_OK);
    QCOMPARE(pps_decoder_push(&decoder, nullptr), PPS_DECODER_OK);
    const char *res = nullptr;
    QCOMPARE(pps_decoder_get_string(&decoder, "res", &res), PPS_DECODER_OK);
    QCOMPARE(QByteArray(res), QByteArray("location"));
    QCOMPARE(pps_decoder_push(&decoder, "dat"), PPS_DECODER_OK);
    double latitude = 0, longitude = 0, accuracy = 0;
    QCOMPARE(pps_decoder_get_double(&decoder, "latitude", &latitude), PPS_DECODER_OK);
    QCOMPARE(pps_decoder_get_double(&decoder, "longitude", &longitude), PPS_DECODER_OK);
    QCOMPARE(pps_decoder_get_double(&decoder, "accuracy", &accuracy), PPS_DECODER_OK);
    QCOMPARE(latitude, 43.5);
    QCOMPARE(longitude, -80.25);
    QCOMPARE(accuracy, 12.0);
    QVERIFY(pps_decoder_is_array(&decoder, "satellites"));
    QCOMPARE(pps_decoder_push(&decoder, "satellites"), PPS_DECODER_OK);
    QCOMPARE(pps_decoder_length(&decoder), 2);
    QList<int> ids;
    QList<double> cnos;
    while (pps_decoder_type(&decoder, nullptr) == PPS_TYPE_OBJECT) {
        QCOMPARE(pps_decoder_push(&decoder, nullptr), PPS_DECODER_OK);
        int id = 0;
        double cno = 0;
        QCOMPARE(pps_decoder_get_int(&decoder, "id", &id), PPS_DECODER_OK);
        QCOMPARE(pps_decoder_get_double(&decoder, "cno", &cno), PPS_DECODER_OK);
        ids << id;
        cnos << cno;
        QCOMPARE(pps_decoder_pop(&decoder), PPS_DECODER_OK);
    }
    QCOMPARE(ids, QList<int>({ 3, 9 }));
    QCOMPARE(cnos, QList<double>({ 30.5, 41.0 }));
    QCOMPARE(pps_decoder_nesting(&decoder), 3);
    QCOMPARE(pps_decoder_status(&decoder, false), PPS_DECODER_OK);
}

void tst_PpsDecoder::entersObjectsByNameWithOrWithoutTheAtSign()
{
    Decoder decoder;
    QCOMPARE(pps_decoder_parse_pps_str(&decoder, "@status\nlocation_manager_location_on:b:true\n@other\nx:n:1\n"),
             PPS_DECODER_OK);
    QCOMPARE(pps_decoder_length(&decoder), 2);
    for (const char *name : { "status", "@status" }) {
        QCOMPARE(pps_decoder_push(&decoder, name), PPS_DECODER_OK);
        bool on = false;
        QCOMPARE(pps_decoder_get_bool(&decoder, "location_manager_location_on", &on), PPS_DECODER_OK);
        QVERIFY(on);
        QCOMPARE(pps_decoder_pop(&decoder), PPS_DECODER_OK);
    }
    QCOMPARE(pps_decoder_push(&decoder, "missing"), PPS_DECODER_NOT_FOUND);
    QCOMPARE(pps_decoder_pop(&decoder), PPS_DECODER_BAD_NESTING);
}

void tst_PpsDecoder::readsJsonDocuments()
{
    Decoder decoder;
    const char *text = " {\"selected_place\": {\"id\": 7, \"name\": \"Caf\\u00e9 \\ud83d\\ude00\", \"rating\": 4.5,"
                       " \"lone\": \"\\udc00\", \"nothing\": null, \"id\": 8}} ";
    QCOMPARE(pps_decoder_parse_json_str(&decoder, text), PPS_DECODER_OK);
    QCOMPARE(pps_decoder_push(&decoder, nullptr), PPS_DECODER_OK);
    QCOMPARE(pps_decoder_push(&decoder, "selected_place"), PPS_DECODER_OK);
    int id = 0;
    QCOMPARE(pps_decoder_get_int(&decoder, "id", &id), PPS_DECODER_OK);
    QCOMPARE(id, 8); // the last of equal names wins
    const char *name = nullptr;
    QCOMPARE(pps_decoder_get_string(&decoder, "name", &name), PPS_DECODER_OK);
    QCOMPARE(QString::fromUtf8(name), QString::fromUtf8("Caf\xc3\xa9 \xf0\x9f\x98\x80"));
    QCOMPARE(pps_decoder_get_string(&decoder, "lone", &name), PPS_DECODER_OK);
    QCOMPARE(QByteArray(name), QByteArray("\xef\xbf\xbd"));
    QCOMPARE(pps_decoder_type(&decoder, "nothing"), PPS_TYPE_NULL);
    QCOMPARE(pps_decoder_type(&decoder, "absent"), PPS_TYPE_NONE);
}

void tst_PpsDecoder::rejectsMalformedText_data()
{
    QTest::addColumn<bool>("json");
    QTest::addColumn<QByteArray>("text");

    const QByteArray deep = QByteArray(PPS_DECODER_MAX_DEPTH + 1, '[') + QByteArray(PPS_DECODER_MAX_DEPTH + 1, ']');
    QTest::newRow("a JSON attribute cut short") << false << QByteArray("@a\ndat:json:{\"x\":1\n");
    QTest::newRow("an unterminated string") << true << QByteArray("{\"x\":\"abc}");
    QTest::newRow("a line without a type") << false << QByteArray("@a\nname-only\n");
    QTest::newRow("a boolean that is neither true nor false") << false << QByteArray("@a\nx:b:yes\n");
    QTest::newRow("a number with two points") << false << QByteArray("@a\nx:n:1.2.3\n");
    QTest::newRow("a number with a leading plus") << true << QByteArray("+1");
    QTest::newRow("arrays nested too deep") << true << deep;
    QTest::newRow("arrays nested too deep inside an attribute") << false << "@a\nx:json:" + deep + "\n";
    QTest::newRow("invalid UTF-8 inside a JSON string") << true << QByteArray("[\"\xc3\x28\"]");
    QTest::newRow("a raw control character inside a JSON string") << true << QByteArray("[\"a\tb\"]");
    QTest::newRow("text after the document") << true << QByteArray("{} {}");
    QTest::newRow("an empty JSON text") << true << QByteArray("");
    QTest::newRow("a trailing comma") << true << QByteArray("[1,2,]");
    QTest::newRow("a bad escape") << true << QByteArray("[\"\\x\"]");
    QTest::newRow("a text larger than the input limit") << false << QByteArray(PPS_DECODER_MAX_INPUT + 1, 'a');
    QTest::newRow("more values than the node limit")
        << true << "[" + QByteArray("0,").repeated(PPS_DECODER_MAX_NODES) + "0]";
}

void tst_PpsDecoder::rejectsMalformedText()
{
    QFETCH(bool, json);
    QFETCH(QByteArray, text);

    Decoder decoder;
    const auto error = json ? pps_decoder_parse_json(&decoder, text.constData(), size_t(text.size()))
                            : pps_decoder_parse_pps(&decoder, text.constData(), size_t(text.size()));
    QCOMPARE(error, PPS_DECODER_PARSE_ERROR);
    QCOMPARE(pps_decoder_status(&decoder, true), PPS_DECODER_PARSE_ERROR);
    QCOMPARE(pps_decoder_length(&decoder), 0);
    QCOMPARE(pps_decoder_push(&decoder, nullptr), PPS_DECODER_BAD_NESTING);
    QVERIFY(!pps_decoder_name(&decoder));
}

void tst_PpsDecoder::reportsMissingAndMistypedMembers()
{
    Decoder decoder;
    QCOMPARE(pps_decoder_parse_pps_str(&decoder, "@a\ns::text\nn:n:3\nlist:json:[1]\n"), PPS_DECODER_OK);
    QCOMPARE(pps_decoder_push(&decoder, "a"), PPS_DECODER_OK);
    int number = -1;
    QCOMPARE(pps_decoder_get_int(&decoder, "s", &number), PPS_DECODER_WRONG_TYPE);
    QCOMPARE(number, -1);
    QCOMPARE(pps_decoder_get_bool(&decoder, "absent", nullptr), PPS_DECODER_NOT_FOUND);
    QCOMPARE(pps_decoder_push(&decoder, "n"), PPS_DECODER_WRONG_TYPE);
    QVERIFY(!pps_decoder_is_array(&decoder, "s"));
    QVERIFY(pps_decoder_is_array(&decoder, "list"));
    QCOMPARE(pps_decoder_status(&decoder, true), PPS_DECODER_WRONG_TYPE);
    QCOMPARE(pps_decoder_status(&decoder, false), PPS_DECODER_OK);
}

void tst_PpsDecoder::integersAreRangeChecked_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("expected");

    QTest::newRow("a plain integer") << QByteArray("-42") << int(PPS_DECODER_OK) << -42;
    QTest::newRow("a whole number written with a point") << QByteArray("2.0") << int(PPS_DECODER_OK) << 2;
    QTest::newRow("a whole number written with an exponent") << QByteArray("1e3") << int(PPS_DECODER_OK) << 1000;
    QTest::newRow("a fraction") << QByteArray("2.5") << int(PPS_DECODER_OUT_OF_RANGE) << 0;
    QTest::newRow("one past the largest int") << QByteArray("2147483648") << int(PPS_DECODER_OUT_OF_RANGE) << 0;
    QTest::newRow("a number beyond every double") << QByteArray("1e999") << int(PPS_DECODER_OUT_OF_RANGE) << 0;
}

void tst_PpsDecoder::integersAreRangeChecked()
{
    QFETCH(QByteArray, value);
    QFETCH(int, error);
    QFETCH(int, expected);

    Decoder decoder;
    const QByteArray text = "@a\nx:n:" + value + "\n";
    QCOMPARE(pps_decoder_parse_pps_str(&decoder, text.constData()), PPS_DECODER_OK);
    QCOMPARE(pps_decoder_push(&decoder, nullptr), PPS_DECODER_OK);
    int number = 0;
    QCOMPARE(int(pps_decoder_get_int(&decoder, "x", &number)), error);
    QCOMPARE(number, expected);
}

void tst_PpsDecoder::neverReadsPastTheGivenLength()
{
    // Only the first 11 bytes are given; the rest of the buffer must not be looked at.
    const char buffer[] = "@a\nx::short and then more";
    Decoder decoder;
    QCOMPARE(pps_decoder_parse_pps(&decoder, buffer, 11), PPS_DECODER_OK);
    QCOMPARE(pps_decoder_push(&decoder, "a"), PPS_DECODER_OK);
    const char *value = nullptr;
    QCOMPARE(pps_decoder_get_string(&decoder, "x", &value), PPS_DECODER_OK);
    QCOMPARE(QByteArray(value), QByteArray("short"));

    const char json[] = "[1,2]";
    QCOMPARE(pps_decoder_parse_json(&decoder, json, 4), PPS_DECODER_PARSE_ERROR);
}

void tst_PpsDecoder::walksObjectMembersInOrder()
{
    Decoder decoder;
    QCOMPARE(pps_decoder_parse_json_str(&decoder, "{\"b\":1,\"a\":\"x\",\"c\":[true]}"), PPS_DECODER_OK);
    QCOMPARE(pps_decoder_push(&decoder, nullptr), PPS_DECODER_OK);
    QByteArrayList names;
    while (const char *name = pps_decoder_name(&decoder)) {
        names << name;
        QCOMPARE(pps_decoder_next(&decoder), PPS_DECODER_OK);
    }
    QCOMPARE(names, QByteArrayList({ "b", "a", "c" }));
    QCOMPARE(pps_decoder_next(&decoder), PPS_DECODER_NOT_FOUND);
}

QTEST_APPLESS_MAIN(tst_PpsDecoder)
#include "tst_ppsdecoder.moc"
