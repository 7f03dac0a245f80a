#include <hx/trellan/enums.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/validator.h>

#include <QtTest/QtTest>

using namespace hx::trellan;

class tst_Validator : public QObject
{
    Q_OBJECT
private slots:
    void modeDecidesWhenValidationIsAsked_data();
    void modeDecidesWhenValidationIsAsked();
    void answersReadBack_data();
    void answersReadBack();
};

void tst_Validator::modeDecidesWhenValidationIsAsked_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("afterTyping");
    QTest::addColumn<int>("afterLeaving");

    QTest::newRow("immediate: on every keystroke") << int(ValidationMode::Immediate) << 3 << 3;
    QTest::newRow("focus lost: when the user leaves the field") << int(ValidationMode::FocusLost) << 0 << 1;
    QTest::newRow("default: only when asked") << int(ValidationMode::Default) << 0 << 0;
    QTest::newRow("custom: only when asked") << int(ValidationMode::Custom) << 0 << 0;
}

void tst_Validator::modeDecidesWhenValidationIsAsked()
{
    QFETCH(int, mode);
    QFETCH(int, afterTyping);
    QFETCH(int, afterLeaving);

    TextField field;
    auto *validator = new Validator;
    validator->setMode(mode);
    field.setValidator(validator);
    QCOMPARE(validator->parent(), &field);
    QSignalSpy validate(validator, &Validator::validate);

    field.typeText(QStringLiteral("abc"));
    QCOMPARE(validate.count(), afterTyping);
    field.loseFocus();
    QCOMPARE(validate.count(), afterLeaving);
    validator->requestValidation();
    QCOMPARE(validate.count(), afterLeaving + 1);
    QCOMPARE(validator->requestCount(), afterLeaving + 1);
}

void tst_Validator::answersReadBack_data()
{
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("validSignals");

    QTest::newRow("unknown until answered") << QList<bool>() << int(ValidationState::Unknown) << 0;
    QTest::newRow("valid") << QList<bool> { true } << int(ValidationState::Valid) << 1;
    QTest::newRow("invalid from unknown says nothing of validity")
        << QList<bool> { false } << int(ValidationState::Invalid) << 0;
    QTest::newRow("valid, then invalid") << QList<bool> { true, false } << int(ValidationState::Invalid) << 2;
    QTest::newRow("valid twice tells once") << QList<bool> { true, true } << int(ValidationState::Valid) << 1;
}

void tst_Validator::answersReadBack()
{
    QFETCH(QList<bool>, answers);
    QFETCH(int, state);
    QFETCH(int, validSignals);

    Validator validator;
    QSignalSpy valid(&validator, &Validator::validChanged);
    validator.setErrorMessage(QStringLiteral("Enter a place name"));
    for (bool answer : answers)
        validator.setValid(answer);
    QCOMPARE(validator.state(), state);
    QCOMPARE(validator.isValid(), state == ValidationState::Valid);
    QCOMPARE(valid.count(), validSignals);
    QCOMPARE(validator.errorMessage(), QStringLiteral("Enter a place name"));
}

QTEST_MAIN(tst_Validator)
#include "tst_validator.moc"
