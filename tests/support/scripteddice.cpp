#include "support/scripteddice.h"

#include <stdexcept>
#include <string>

ScriptedRandom::ScriptedRandom(std::initializer_list<int> faces)
    : m_faces(faces)
{
}

ScriptedRandom::ScriptedRandom(const QList<int> &faces)
    : m_faces(faces)
{
}

void ScriptedRandom::push(std::initializer_list<int> faces)
{
    m_faces.append(QList<int>(faces));
}

void ScriptedRandom::push(const QList<int> &faces)
{
    m_faces.append(faces);
}

int ScriptedRandom::draw(int sides)
{
    if (m_next >= m_faces.size()) {
        throw std::logic_error("scripted dice exhausted: a die with " + std::to_string(sides)
                               + " sides was rolled after all " + std::to_string(m_faces.size())
                               + " scripted faces were used");
    }
    const int face = m_faces.at(m_next);
    if (face < 1 || face > sides) {
        throw std::logic_error("scripted face " + std::to_string(face) + " (number " + std::to_string(m_next + 1)
                               + ") does not fit a die with " + std::to_string(sides) + " sides");
    }
    ++m_next;
    return face;
}

int SeededRandom::draw(int sides)
{
    if (sides < 1)
        throw std::logic_error("a die needs at least one side, not " + std::to_string(sides));
    return std::uniform_int_distribution<int>(1, sides)(m_engine);
}
