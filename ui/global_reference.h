#pragma once

namespace korvane::ui {

// Points a window's one global reference at the window for as long as the window lives, so the
// other windows of the program can reach it (ChooseStyleMenu, Form_Generated, ...). A form
// declares it as its last member: the reference is set once the form's controls exist and
// cleared before they go.
template <typename T>
class GlobalReference {
public:
    GlobalReference(T*& reference, T* object) : m_reference(reference), m_object(object) { reference = object; }
    GlobalReference(const GlobalReference&) = delete;
    GlobalReference& operator=(const GlobalReference&) = delete;
    ~GlobalReference()
    {
        if (m_reference == m_object)
            m_reference = nullptr;
    }

private:
    T*& m_reference;
    T* m_object;
};

} // namespace korvane::ui
