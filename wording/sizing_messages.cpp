#include "sizing_messages.h"

#include "shape_description.h"
#include "engine/sizing.h"

namespace vazolar {

namespace {

QString arithmeticMessage(Fault fault) {
    switch (fault) {
    case Fault::DivisionByZero:
        return QString::fromUtf8("O dimensionamento foi interrompido por uma divisão por zero.\n\n"
                                 "Verifique os dados: o n não pode ser zero e, no canal circular, "
                                 "a declividade também não.");
    case Fault::InvalidArgument:
        return QString::fromUtf8(
            "O dimensionamento foi interrompido: o cálculo pediu a raiz de um número "
            "negativo.\n\nVerifique os dados: a declividade, o n, a vazão de projeto e o "
            "valor inicial não podem ser negativos.");
    case Fault::TrialLimit:
        return QString::fromUtf8(
                   "O dimensionamento foi interrompido: %1 tentativas não alcançaram a vazão "
                   "de projeto.\n\nVerifique os dados: com declividade zero ou n negativo a "
                   "vazão nunca cresce; um valor inicial maior ou um incremento maior chegam "
                   "mais depressa.")
            .arg(kTrialLimit);
    case Fault::Overflow:
        return QString::fromUtf8(
            "O dimensionamento foi interrompido: um resultado ficou indeterminado ou grande "
            "demais para o cálculo.\n\nVerifique os dados: um valor inicial igual a zero, o n "
            "e a declividade iguais a zero ou, no canal circular, uma vazão de projeto igual a "
            "zero levam a isso.");
    case Fault::TypeMismatch: // always names its field: see fieldFaultMessage
        break;
    }
    Q_UNREACHABLE();
    return QString();
}

} // namespace

QString fieldFaultMessage(const SizingError& error, const QString& caption) {
    if (error.fault() == Fault::Overflow)
        return QString::fromUtf8("O valor de %1 é grande demais para o cálculo.\n\n"
                                 "Verifique o campo %1.")
            .arg(caption);
    return QString::fromUtf8("O valor de %1 não é um número válido.\n\n"
                             "Digite o número com a vírgula decimal, por exemplo 0,015.")
        .arg(caption);
}

QString sizingFaultMessage(const SizingError& error, const QString& fieldCaption) {
    if (error.field() != Field::None)
        return fieldFaultMessage(error, fieldCaption);
    return arithmeticMessage(error.fault());
}

QString sizingFaultMessage(Shape shape, const SizingError& error) {
    return sizingFaultMessage(error, fieldCaption(shape, error.field()));
}

QString noTrialMessage() {
    return QString::fromUtf8("Nenhuma tentativa: a vazão de projeto é negativa.");
}

} // namespace vazolar
