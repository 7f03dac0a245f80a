#include <hx/pps/ppsdecoder.h>
#include <hx/pps/ppsencoder.h>

#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtTest/QtTest>

#include <cmath>
#include <functional>

using Steps = std::function<void(pps_encoder_t *)>;
Q_DECLARE_METATYPE(Steps)

class tst_PpsEncoder : public QObject
{
    Q_OBJECT

private slots:
    void writesText_data();
    void writesText();
    void reportsErrors_data();
    void reportsErrors();
    void jsonFormReadsBackWithQJsonDocument();
    void resetStartsAnEmptyText();
};

static QByteArray encode(const Steps &steps, bool json)
{
    pps_encoder_t encoder;
    pps_encoder_initialize(&encoder, json);
    steps(&encoder);
    QByteArray text;
    if (pps_encoder_error(&encoder) == PPS_ENCODER_OK)
        text = QByteArray(pps_encoder_buffer(&encoder), int(pps_encoder_length(&encoder)));
    pps_encoder_cleanup(&encoder);
    return text;
}

void tst_PpsEncoder::writesText_data()
{
    QTest::addColumn<bool>("json");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("a location request is one object with a JSON data attribute")
        << false << Steps([](pps_encoder_t *e) {
               pps_encoder_start_object(e, "@control");
               pps_encoder_add_string(e, "msg", "location");
               pps_encoder_add_string(e, "id", "places.1.hybrid.90");
               pps_encoder_start_object(e, "dat");
               pps_encoder_add_bool(e, "background", true);
               pps_encoder_add_int(e, "period", 3);
               pps_encoder_add_int(e, "accuracy", 90);
               pps_encoder_add_string(e, "provider", "hybrid");
               pps_encoder_add_int(e, "response_time", 60);
               pps_encoder_end_object(e);
               pps_encoder_end_object(e);
           })
        << QByteArray("@control\nmsg::location\nid::places.1.hybrid.90\n"
                      "dat:json:{\"background\":true,\"period\":3,\"accuracy\":90,\"provider\":\"hybrid\","
                      "\"response_time\":60}\n");
    QTest::newRow("an object named without the at sign outside any object is a JSON attribute")
        << false << Steps([](pps_encoder_t *e) {
               pps_encoder_add_double(e, "ratio", 0.25);
               pps_encoder_start_object(e, "status");
               pps_encoder_add_bool(e, "location_manager_location_on", false);
               pps_encoder_end_object(e);
               pps_encoder_start_object(e, "@status");
               pps_encoder_end_object(e);
           })
        << QByteArray("ratio:n:0.25\nstatus:json:{\"location_manager_location_on\":false}\n@status\n");
    QTest::newRow("text with a line break becomes a JSON string attribute") << false << Steps([](pps_encoder_t *e) {
        pps_encoder_add_string(e, "note", "two\nlines");
        pps_encoder_add_string(e, "empty", "");
    }) << QByteArray("note:json:\"two\\nlines\"\nempty::\n");
    QTest::newRow("arrays of objects nest inside an attribute") << false << Steps([](pps_encoder_t *e) {
        pps_encoder_start_object(e, "@r");
        pps_encoder_start_array(e, "satellites");
        pps_encoder_start_object(e, nullptr);
        pps_encoder_add_int(e, "id", 4);
        pps_encoder_add_double(e, "cno", 31.5);
        pps_encoder_end_object(e);
        pps_encoder_add_null(e, nullptr);
        pps_encoder_end_array(e);
        pps_encoder_end_object(e);
    }) << QByteArray("@r\nsatellites:json:[{\"id\":4,\"cno\":31.5},null]\n");
    QTest::newRow("json keeps members in the order they were added")
        << true << Steps([](pps_encoder_t *e) {
               pps_encoder_start_object(e, nullptr);
               pps_encoder_start_object(e, "selected_place");
               pps_encoder_add_bool(e, "is_physical_location", true);
               pps_encoder_add_int(e, "id", 42);
               pps_encoder_add_string(e, "name", "Caf\xc3\xa9 \"Q\"\t");
               pps_encoder_add_double(e, "latitude", -80.25);
               pps_encoder_add_int64(e, "big", 9007199254740993LL);
               pps_encoder_end_object(e);
               pps_encoder_end_object(e);
           })
        << QByteArray("{\"selected_place\":{\"is_physical_location\":true,\"id\":42,\"name\":\"Caf\xc3\xa9 "
                      "\\\"Q\\\"\\t\",\"latitude\":-80.25,\"big\":9007199254740993}}");
    QTest::newRow("invalid UTF-8 in JSON text becomes the replacement character")
        << true << Steps([](pps_encoder_t *e) {
               pps_encoder_start_array(e, nullptr);
               pps_encoder_add_string(e, nullptr,
                                      "a\xff"
                                      "b");
               pps_encoder_end_array(e);
           })
        << QByteArray("[\"a\xef\xbf\xbd"
                      "b\"]");
}

void tst_PpsEncoder::writesText()
{
    QFETCH(bool, json);
    QFETCH(Steps, steps);
    QFETCH(QByteArray, expected);
    QCOMPARE(encode(steps, json), expected);
}

void tst_PpsEncoder::reportsErrors_data()
{
    QTest::addColumn<bool>("json");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<int>("error");

    QTest::newRow("a NaN cannot be written")
        << false << Steps([](pps_encoder_t *e) { pps_encoder_add_double(e, "x", std::nan("")); })
        << int(PPS_ENCODER_INVALID_VALUE);
    QTest::newRow("ending an object never started")
        << false << Steps([](pps_encoder_t *e) { pps_encoder_end_object(e); }) << int(PPS_ENCODER_BAD_NESTING);
    QTest::newRow("ending an array with end_object") << true << Steps([](pps_encoder_t *e) {
        pps_encoder_start_array(e, nullptr);
        pps_encoder_end_object(e);
    }) << int(PPS_ENCODER_BAD_NESTING);
    QTest::newRow("an attribute name holding a colon")
        << false << Steps([](pps_encoder_t *e) { pps_encoder_add_int(e, "a:b", 1); }) << int(PPS_ENCODER_INVALID_NAME);
    QTest::newRow("an object member without a name") << true << Steps([](pps_encoder_t *e) {
        pps_encoder_start_object(e, nullptr);
        pps_encoder_add_int(e, nullptr, 1);
    }) << int(PPS_ENCODER_INVALID_NAME);
    QTest::newRow("a second JSON document") << true << Steps([](pps_encoder_t *e) {
        pps_encoder_start_object(e, nullptr);
        pps_encoder_end_object(e);
        pps_encoder_start_object(e, nullptr);
    }) << int(PPS_ENCODER_BAD_NESTING);
    QTest::newRow("nesting deeper than the limit") << true << Steps([](pps_encoder_t *e) {
        for (int i = 0; i <= PPS_ENCODER_MAX_DEPTH; ++i)
            pps_encoder_start_array(e, nullptr);
    }) << int(PPS_ENCODER_BAD_NESTING);
    QTest::newRow("an object line inside another object") << false << Steps([](pps_encoder_t *e) {
        pps_encoder_start_object(e, "@a");
        pps_encoder_start_object(e, "@b");
    }) << int(PPS_ENCODER_BAD_NESTING);
    QTest::newRow("the first error sticks") << false << Steps([](pps_encoder_t *e) {
        pps_encoder_add_string(e, "x", nullptr);
        pps_encoder_add_int(e, "a:b", 1);
        pps_encoder_add_int(e, "fine", 1);
    }) << int(PPS_ENCODER_INVALID_VALUE);
    QTest::newRow("a text beyond the size limit") << false << Steps([](pps_encoder_t *e) {
        const QByteArray chunk(1024 * 1024, 'x');
        for (int i = 0; i < 5; ++i)
            pps_encoder_add_string(e, "x", chunk.constData());
    }) << int(PPS_ENCODER_NO_MEMORY);
}

void tst_PpsEncoder::reportsErrors()
{
    QFETCH(bool, json);
    QFETCH(Steps, steps);
    QFETCH(int, error);

    pps_encoder_t encoder;
    pps_encoder_initialize(&encoder, json);
    steps(&encoder);
    QCOMPARE(int(pps_encoder_error(&encoder)), error);
    QVERIFY(!pps_encoder_buffer(&encoder));
    QCOMPARE(pps_encoder_length(&encoder), size_t(0));
    pps_encoder_cleanup(&encoder);
}

void tst_PpsEncoder::jsonFormReadsBackWithQJsonDocument()
{
    const QByteArray text = encode(
        [](pps_encoder_t *e) {
            pps_encoder_start_object(e, nullptr);
            pps_encoder_add_string(e, "name", "\xe6\x9d\xb1\xe4\xba\xac \\ \x01");
            pps_encoder_add_double(e, "latitude", 43.123456789012345);
            pps_encoder_add_double(e, "tiny", 1e-300);
            pps_encoder_end_object(e);
        },
        true);
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(text, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object.value("name").toString(), QString::fromUtf8("\xe6\x9d\xb1\xe4\xba\xac \\ \x01"));
    QCOMPARE(object.value("latitude").toDouble(), 43.123456789012345);
    QCOMPARE(object.value("tiny").toDouble(), 1e-300);
}

void tst_PpsEncoder::resetStartsAnEmptyText()
{
    pps_encoder_t encoder;
    pps_encoder_initialize(&encoder, false);
    pps_encoder_end_object(&encoder);
    pps_encoder_reset(&encoder);
    QCOMPARE(pps_encoder_error(&encoder), PPS_ENCODER_OK);
    pps_encoder_add_int(&encoder, "n", -7);
    QCOMPARE(QByteArray(pps_encoder_buffer(&encoder)), QByteArray("n:n:-7\n"));
    pps_encoder_cleanup(&encoder);
}

QTEST_APPLESS_MAIN(tst_PpsEncoder)
#include "tst_ppsencoder.moc"
