#pragma once

#include <QString>

class QApplication;

// The station's own light, icy-blue look, "Iceberg Classico".
namespace iceberg_style {

QString name();

// Applies the look to the application. Returns an empty text on success,
// else the reason it could not be applied (the standard look then stays).
QString apply(QApplication &app);

} // namespace iceberg_style
