#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonParseError>
#include <QString>
#include <QVarLengthArray>

/// Reads a JSON text from front to back without building a document tree:
/// the caller asks for the value it expects next and skips the rest. The
/// device library loader uses it to turn a large vendor document straight
/// into its records. It accepts what QJsonDocument accepts (including a
/// byte order mark, any escaped character and lone surrogates) and reports
/// errors with QJsonParseError's codes and texts.
class JsonReader
{
public:
    enum class Kind { String, Number, Bool, Null, Array, Object, None };

    explicit JsonReader(QByteArrayView text);

    /// The kind of the next value; None once an error was found.
    Kind next();

    QString readString();
    double readNumber();
    bool readBool();
    /// Reads or skips any value, containers included.
    void skip();

    /// Enters the object that is next; then call nextMember() until it
    /// returns false, reading or skipping each member's value in between.
    void enterObject();
    /// The next member's name (valid until the next call), or false at the
    /// end of the object or after an error.
    bool nextMember(QByteArrayView& name);
    void enterArray();
    /// True while the array has another element to read or skip.
    bool nextElement();

    /// After the top-level value: true when only white space follows and no
    /// error was found.
    bool finish();

    bool failed() const { return m_error != QJsonParseError::NoError; }
    QString errorString() const;

private:
    void fail(QJsonParseError::ParseError error);
    void skipWhiteSpace();
    bool enterContainer(char open);
    bool separatorBefore(char close);
    bool scanString(QString* value, QByteArray* utf8);
    void decodeEscaped(const char* from, const char* to, QString& out);
    bool scanNumber(double* value);
    bool expectWord(QByteArrayView word);

    const char* m_begin;
    const char* m_pos;
    const char* m_end;
    QJsonParseError::ParseError m_error = QJsonParseError::NoError;
    int m_errorOffset = 0;
    /// One flag per open container: whether its next item is its first.
    QVarLengthArray<bool, 32> m_first;
    QByteArray m_name;
};
