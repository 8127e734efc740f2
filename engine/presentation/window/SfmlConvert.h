// The conversions between the engine's colour and key values and SFML's,
// for the presentation modules that talk to SFML; nothing below them sees
// an SFML type.
#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

#include "presentation/Color.h"
#include "presentation/InputEvent.h"
#include "presentation/KeyCode.h"
#include "presentation/Keyboard.h"

namespace vt {

/// The SFML colour of color; white for CUSTOM and for unknown values.
sf::Color colorToSFML(Color color);

namespace Keyboard {

/// The engine's value for an SFML key code.
Key fromSFML(sf::Keyboard::Key sfml_key);

}  // namespace Keyboard

/// A window event as input every output reports.
InputEvent toInputEvent(const sf::Event& event);
}  // namespace vt
