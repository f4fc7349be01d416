// One copy of the game for the settings race tests, run several at once on one settings file.
//
//   settings_race_probe FILE count KEY N    adds 1 to the counter KEY, N times
//   settings_race_probe FILE end-game TIME  ends a finished Time Challenge played in TIME; when
//                                           it makes the table, prints "name?" and reads the
//                                           name from its input
#include "platform/settings_store.h"
#include "records/end_of_game.h"
#include "support/test_env.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

class NameFromInput : public ScriptedDialogs {
  public:
    QString input(const QString&, const QString&) override {
        std::cout << "name?" << std::endl;
        std::string name;
        std::getline(std::cin, name);
        return QString::fromStdString(name);
    }
};

int endGame(SettingsStore& store, const QString& time) {
    TestEnv env;
    NameFromInput dialogs;
    Services services{env.state,           dialogs, store,    env.sound, env.shell,
                      env.programFolder(), {},      QString()};
    evaluateEndOfGame(services, {QStringLiteral("Race"), Level::Expert, time, true});
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: %s FILE count KEY N | FILE end-game TIME\n", argv[0]);
        return 2;
    }
    IniSettingsStore store(args[1]);
    if (args[2] == QLatin1String("end-game")) return endGame(store, args[3]);
    const int times = args.value(4).toInt();
    for (int i = 0; i < times; ++i) settings::addToCounter(store, args[3], 1);
    return 0;
}
