#include "support/scripted_dialogs.h"

std::vector<ScriptedDialogs::Shown> ScriptedDialogs::messages() const {
    std::vector<Shown> result;
    for (const Shown& s : shown_)
        if (s.kind == Shown::Kind::Message) result.push_back(s);
    return result;
}

void ScriptedDialogs::record(Shown shown) {
    shown_.push_back(shown);
    if (!hooks_.empty()) {
        auto hook = std::move(hooks_.front());
        hooks_.pop_front();
        hook(shown_.back());
    }
}

MsgAnswer ScriptedDialogs::message(const QString& text, const QString& title, MsgButtons buttons,
                                   MsgIcon icon) {
    Shown s{Shown::Kind::Message, text, title, buttons, icon, {}, {}, {}};
    record(s);
    if (buttons == MsgButtons::Ok) {
        if (!messageAnswers_.empty() && messageAnswers_.front() == MsgAnswer::Ok)
            messageAnswers_.pop_front();
        return MsgAnswer::Ok;
    }
    if (messageAnswers_.empty()) {
        ++unexpected_;
        return MsgAnswer::No;
    }
    const MsgAnswer answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    return answer;
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title) {
    record({Shown::Kind::Input, prompt, title, MsgButtons::Ok, MsgIcon::None, {}, {}, {}});
    if (inputAnswers_.empty()) {
        ++unexpected_;
        return QString();
    }
    const QString answer = inputAnswers_.front();
    inputAnswers_.pop_front();
    return answer;
}

QString ScriptedDialogs::nextFile() {
    if (fileAnswers_.empty()) {
        ++unexpected_;
        return QString();
    }
    const QString answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    return answer;
}

QString ScriptedDialogs::openFile(const QStringList& listed, const QString& initialDir,
                                  const QString& defaultSuffix) {
    listed_ = listed;
    record({Shown::Kind::OpenFile,
            {},
            {},
            MsgButtons::Ok,
            MsgIcon::None,
            initialDir,
            defaultSuffix,
            {}});
    return nextFile();
}

QString ScriptedDialogs::saveFile(const QString& initialDir, const QString& defaultSuffix) {
    record({Shown::Kind::SaveFile,
            {},
            {},
            MsgButtons::Ok,
            MsgIcon::None,
            initialDir,
            defaultSuffix,
            {}});
    return nextFile();
}

QString ScriptedDialogs::openWordList(const QString& initialDir) {
    record({Shown::Kind::OpenWordList, {}, {}, MsgButtons::Ok, MsgIcon::None, initialDir, {}, {}});
    return nextFile();
}

FontChoice ScriptedDialogs::chooseFont(const QFont& initial) {
    record({Shown::Kind::Font, {}, {}, MsgButtons::Ok, MsgIcon::None, {}, {}, initial});
    if (fontAnswers_.empty()) {
        ++unexpected_;
        return {initial, false};
    }
    const FontChoice answer = fontAnswers_.front();
    fontAnswers_.pop_front();
    return answer;
}

QString ScriptedDialogs::savePdf(const QString& suggestedPath) {
    record({Shown::Kind::SavePdf, {}, {}, MsgButtons::Ok, MsgIcon::None, suggestedPath, {}, {}});
    return nextFile();
}
