#include "shell/startup/warranty.h"

QString warrantyText() {
    return QStringLiteral("Quarrow is provided on an as-is basis, without") +
           QStringLiteral(" warranty of any kind, express or implied, including without") +
           QStringLiteral(
               " limitation the warranties of merchantability, fitness for a particular") +
           QStringLiteral(" purpose and/or non-infringement. Any and all risk as to the") +
           QStringLiteral(" quality and/or performance of the Software Program shall be") +
           QStringLiteral(" borne by you and you assume all costs with respect to any service") +
           QStringLiteral(" or repair.");
}

QString warrantyQuestion() {
    return warrantyText() + QChar(13) + QChar(13) + QStringLiteral("Do you want to continue?");
}
