#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <string>
#include <vector>

/// Reads the fields of one received line, in one of three shapes:
/// - a JSON object: every value that is no object or array is a field,
///   named by its path, nested objects joined with dots ("light.lux") and
///   array items with their index ("accel[0]", "cells[1].v");
/// - label:value or label=value pairs separated by blanks, commas or tabs
///   ("temp:23.4,hum=41", "Temp: 23.4"), as microcontroller plotters read;
/// - bare numbers separated the same way ("23.4 41 312"), named 1, 2, 3 ….
/// ANSI colour sequences around the line and white space are ignored.
/// Anything else is no field line. The fields found stay valid until the
/// next call and point into the line, which must outlive them.
class FieldExtractor
{
public:
    /// Longest line read; longer ones are refused whole.
    static constexpr qsizetype MaxLineBytes = 64 * 1024;
    /// Deepest nesting of objects and arrays read (the outer object is 1).
    static constexpr int MaxDepth = 16;

    enum class Shape : quint8 {
        Json,
        Pairs,
        Numbers,
        Other,      ///< no field line: text, binary, a JSON array or string
        TooLong,    ///< longer than MaxLineBytes
        TooDeep,    ///< a JSON object nested deeper than MaxDepth
        BrokenJson, ///< begins as a JSON object but is none
    };

    enum class Kind : quint8 {
        Number,  ///< value holds it
        Boolean, ///< value holds 0 or 1
        Text,    ///< a string; raw holds what stands between its quotes
        /// null, NaN, Infinity, a number beyond the range of a double, or
        /// nan/inf/ovf in a plotter line: raw holds it as written
        NoNumber,
    };

    struct Field
    {
        qsizetype pathOffset = 0; ///< into path bytes, see path()
        qsizetype pathSize = 0;
        Kind kind = Kind::Number;
        bool escaped = false; ///< raw holds JSON escapes
        double value = 0;
        const char* raw = nullptr;
        qsizetype rawSize = 0;
    };

    Shape extract(QByteArrayView line);

    const std::vector<Field>& fields() const { return m_fields; }
    /// The name of a field, as UTF-8 (JSON escapes resolved).
    QByteArrayView path(const Field& field) const
    {
        return QByteArrayView(m_paths.data() + field.pathOffset, field.pathSize);
    }

    enum class NumberText : quint8 { Number, BeyondRange, NotANumber };
    /// The number a JSON number text stands for (one too small to tell from
    /// zero is zero); BeyondRange for one too large for a double.
    static NumberText readJsonNumber(const char* begin, const char* end, double& value);
    /// A number as plotter lines write it: JSON's form, and also a leading
    /// "+", "5." or ".5".
    static NumberText readLooseNumber(const char* begin, const char* end, double& value);

private:
    friend struct JsonFieldHandler;

    Shape extractJson(const char* begin, const char* end);
    Shape extractPlotterLine(const char* begin, const char* end);

    std::vector<Field> m_fields;
    // The names of the fields, one after the other, and the name of the
    // object or array being read; kept between lines to save allocations.
    std::string m_paths;
    std::string m_prefix;
};
