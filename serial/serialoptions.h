#pragma once

#include <QObject>
#include <QVariantList>

/// The choices the serial settings panel offers, each carrying the
/// SerialConfig code that AppController.openPort expects. Lists are built on
/// every call so translated labels follow the current language.
class SerialOptions : public QObject
{
    Q_OBJECT

public:
    explicit SerialOptions(QObject* parent = nullptr);

    Q_INVOKABLE QVariantList dataBitsOptions() const;
    Q_INVOKABLE QVariantList parityOptions() const;
    Q_INVOKABLE QVariantList stopBitsOptions() const;
    Q_INVOKABLE QVariantList flowControlOptions() const;
    Q_INVOKABLE QVariantList baudRateOptions() const;
    /// What text sends may put after the text, as PayloadComposer::TextLineEnd codes.
    Q_INVOKABLE QVariantList lineEndOptions() const;
};
