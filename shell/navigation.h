// SPDX-License-Identifier: MIT
#pragma once

namespace poniruka {

class Form;
class Registry;

/// What a screen reaches beyond itself: the menu to go back to, the about
/// box, and the registry the about box reads. The screens know one another
/// only through this; Forms, which holds all five, provides it.
class Navigation
{
public:
    virtual ~Navigation() = default;

    virtual Form &menu() = 0;
    virtual Form &aboutBox() = 0;
    /// The registry of the system the program runs on, or a test's.
    virtual Registry &registry() = 0;
};

} // namespace poniruka
