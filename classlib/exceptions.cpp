#include "exceptions.h"

#include <utility>

Exception::Exception(std::string message) : message_(std::move(message)) {}

EResNotFound::EResNotFound(const std::string& resourceName)
    : Exception("Resource " + resourceName + " not found") {}

EFCreateError::EFCreateError(const std::string& fileName)
    : Exception("Cannot create file " + fileName) {}

EWriteError::EWriteError() : Exception("Stream write error") {}
