#include "RejectionModel.h"

#include "RejectionModelFit.h"

static_assert(RejectionModel::featureCount == rejection_fit::featureCount);

double RejectionModel::logOdds(const Features& features) {
    using namespace rejection_fit;
    double linear = bias;
    for (std::size_t i = 0; i < featureCount; ++i)
        linear += weight[i] * (features[i] - mean[i]) / deviation[i];
    const double first = (features[0] - mean[0]) / deviation[0];
    linear += firstSquaredWeight * first * first;

    double trees = treesBaseline;
    for (const int root : roots) {
        const Node* node = &nodes[root];
        while (node->feature >= 0)
            node = &nodes[features[static_cast<std::size_t>(node->feature)] <= node->threshold
                              ? node->left
                              : node->right];
        trees += node->value;
    }
    return (linear + trees) / 2;
}
