# How strong the computer opponent is at each level: seeded games against two scripted players.
add_executable(ai_strength ${CMAKE_CURRENT_LIST_DIR}/ai_strength.cpp)
target_link_libraries(ai_strength PRIVATE tesselo_engine)
