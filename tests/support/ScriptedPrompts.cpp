// A scripted stand-in for the prompts: queued answers in, every question asked recorded.
#include "ScriptedPrompts.h"

namespace {
template <typename T>
T takeOr(QQueue<T>& queue, T fallback) {
    return queue.isEmpty() ? fallback : queue.dequeue();
}
} // namespace

QStringList ScriptedPrompts::kinds() const {
    QStringList result;
    for (const Asked& a : m_asked)
        result << a.kind;
    return result;
}

void ScriptedPrompts::clear() {
    m_yesNo.clear();
    m_texts.clear();
    m_openPaths.clear();
    m_savePaths.clear();
    m_asked.clear();
}

bool ScriptedPrompts::askYesNo(const QString& title, const QString& text) {
    m_asked.append({QStringLiteral("yesno"), title, text, {}});
    return takeOr(m_yesNo, false);
}

QString ScriptedPrompts::askText(const QString& title, const QString& prompt,
                                 const QString& defaultAnswer) {
    m_asked.append({QStringLiteral("text"), title, prompt, defaultAnswer});
    return takeOr(m_texts, QString());
}

void ScriptedPrompts::inform(const QString& title, const QString& text) {
    m_asked.append({QStringLiteral("inform"), title, text, {}});
}

void ScriptedPrompts::warn(const QString& title, const QString& text) {
    m_asked.append({QStringLiteral("warn"), title, text, {}});
}

QString ScriptedPrompts::openPicture(const QString& filter) {
    m_asked.append({QStringLiteral("openPicture"), {}, filter, {}});
    return takeOr(m_openPaths, QString());
}

QString ScriptedPrompts::saveBitmapPath(const QString& filter) {
    m_asked.append({QStringLiteral("saveBitmapPath"), {}, filter, {}});
    return takeOr(m_savePaths, QString());
}
