# The builder's physics of valvenet-plan: the coil to wind, the capacitors'
# ratings and the variables' settings. Pure functions on the standard
# library only, so they build and test without CLI11 and nlohmann-json.
add_library(valvenet_builder STATIC
  ${CMAKE_CURRENT_LIST_DIR}/coil.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ratings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tuning.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../parts/coil_loss.cpp)
target_link_libraries(valvenet_builder PUBLIC valvenet_options)
